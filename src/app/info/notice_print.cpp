#include "app/info/notice_print.h"

#include <QPainter>
#include <QPrinter>

namespace app::info {

bool printNotice(QPrinter& printer, const QString& heading, const QStringList& lines, const QFont& bodyFont) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = page.width();
    const int height = page.height();

    QFont headingFont("Times New Roman", 16, QFont::Bold);
    headingFont.setStyleHint(QFont::Serif);
    painter.setFont(headingFont);
    const QRect headingRect = painter.boundingRect(QRect(0, 0, width, height), Qt::TextWordWrap, heading);
    painter.drawText(headingRect, Qt::TextWordWrap, heading);
    int y = headingRect.height() * 3 / 2;

    painter.setFont(bodyFont);
    for (const auto& line : lines) {
        // An empty line still takes a line's height.
        const QString shown = line.isEmpty() ? QStringLiteral(" ") : line;
        QRect rect = painter.boundingRect(QRect(0, y, width, height), Qt::TextWordWrap, shown);
        if (rect.bottom() > height && y > 0) {
            printer.newPage();
            y = 0;
            rect.moveTop(0);
        }
        painter.drawText(rect, Qt::TextWordWrap, shown);
        y += rect.height();
    }
    return painter.end();
}

} // namespace app::info
