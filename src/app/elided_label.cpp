#include "app/elided_label.h"

#include <QPainter>
#include <QStyle>

namespace app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); // shrinks to minimumSizeHint()
}

QSize ElidedLabel::minimumSizeHint() const {
    // Room for a few characters around the ellipsis.
    return {fontMetrics().horizontalAdvance(QStringLiteral("C:\\\u2026\\name.bat")), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, alignment().toInt(), palette(), isEnabled(), shown, foregroundRole());
}

} // namespace app
