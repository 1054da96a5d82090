#include "app/wizard/wizard_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <type_traits>

namespace app::wizard {

namespace {

constexpr int TEXT_FLAGS = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int SPACING = 2;
constexpr int NARROWEST_CAPTION = 150;
constexpr int WRAP_ALLOWANCE = 40; // so that half the caption's width holds half its words
// The inactive-caption-text colour of the classic desktop scheme, lightened so
// that what the field still holds stays readable.
const QColor INACTIVE_CAPTION_TEXT(0xD4, 0xD4, 0xD4);
constexpr const char* SHADE_PROPERTY = "quilletShade";

template <typename Button> constexpr bool IS_RADIO = std::is_same_v<Button, QRadioButton>;

} // namespace

template <typename Button>
WrappingButton<Button>::WrappingButton(const QString& text, QWidget* parent) : Button(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    this->setSizePolicy(policy);
}

template <typename Button> int WrappingButton<Button>::indent() const {
    const auto* style = this->style();
    if constexpr (IS_RADIO<Button>)
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    else
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

template <typename Button> int WrappingButton<Button>::heightForWidth(int width) const {
    const QRect bounds(0, 0, qMax(1, width - indent()), 100000);
    const int textHeight = this->fontMetrics().boundingRect(bounds, TEXT_FLAGS, this->text()).height();
    return qMax(Button::sizeHint().height(), textHeight + 2);
}

template <typename Button> QSize WrappingButton<Button>::sizeHint() const {
    const int natural = indent() + this->fontMetrics().horizontalAdvance(QString(this->text()).remove('&')) + 4;
    return {natural, Button::sizeHint().height()};
}

template <typename Button> QSize WrappingButton<Button>::minimumSizeHint() const {
    // At most about two lines: a column may be narrower than the caption,
    // not narrower than half of it.
    const int natural = sizeHint().width() - indent();
    const int width = indent() + qMin(natural, qMax(NARROWEST_CAPTION, natural / 2 + WRAP_ALLOWANCE));
    return {width, heightForWidth(width)};
}

template <typename Button> void WrappingButton<Button>::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    option.text.clear();
    // The indicator stands beside the first line of the caption.
    const int lineHeight = Button::sizeHint().height();
    option.rect = QRect(0, 0, indent(), lineHeight);
    painter.drawControl(IS_RADIO<Button> ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, option);
    const int top = (lineHeight - this->fontMetrics().height()) / 2;
    const QRect textArea = this->rect().adjusted(indent(), top, 0, 0);
    this->style()->drawItemText(&painter, textArea, TEXT_FLAGS, this->palette(), this->isEnabled(), this->text(),
                                QPalette::WindowText);
    if (this->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = this->fontMetrics().boundingRect(textArea, TEXT_FLAGS, this->text()).adjusted(-1, 0, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

template class WrappingButton<QCheckBox>;
template class WrappingButton<QRadioButton>;

TogglePanel::TogglePanel(QCheckBox* box, std::initializer_list<const char*> lines, QWidget* parent)
    : QFrame(parent), m_box(box) {
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    grid->addWidget(box, 0, 0, static_cast<int>(lines.size()), 1, Qt::AlignVCenter);
    int row = 0;
    for (const char* line : lines) grid->addWidget(new QLabel(line), row++, 1);
    grid->setColumnStretch(1, 1);
}

void TogglePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_box->isEnabled())
        m_box->click();
}

void setShade(QWidget* field, Shade shade) {
    if (shade == Shade::None) return;
    field->setProperty(SHADE_PROPERTY, static_cast<int>(shade));
    if (shade == Shade::Window) {
        field->setPalette(QPalette());
        return;
    }
    const QColor colour = shade == Shade::Greyed ? QApplication::palette().color(QPalette::Button)
                                                 : INACTIVE_CAPTION_TEXT;
    QPalette palette = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    field->setPalette(palette);
}

Shade shadeOf(const QWidget* field) {
    const QVariant value = field->property(SHADE_PROPERTY);
    return value.isValid() ? static_cast<Shade>(value.toInt()) : Shade::Window;
}

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QCheckBox* wrappingCheckBox(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new WrappingCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

namespace {
QRadioButton* named(QRadioButton* button, const char* name, QButtonGroup* group) {
    button->setObjectName(name);
    if (group != nullptr) group->addButton(button);
    return button;
}
} // namespace

QRadioButton* radio(const char* name, const QString& caption, QButtonGroup* group, QWidget* parent) {
    return named(new QRadioButton(caption, parent), name, group);
}

QRadioButton* wrappingRadio(const char* name, const QString& caption, QButtonGroup* group, QWidget* parent) {
    return named(new WrappingRadioButton(caption, parent), name, group);
}

QLineEdit* edit(const char* name, int maxLength, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    if (maxLength > 0) line->setMaxLength(maxLength);
    return line;
}

QPlainTextEdit* memo(const char* name, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(name);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setTabChangesFocus(true);
    text->setMinimumHeight(44);
    return text;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(name);
    push->setAutoDefault(false);
    return push;
}

QPushButton* browseButton(const char* name, QWidget* parent) { return button(name, "Browse...", parent); }

QSpinBox* spin(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    return box;
}

QComboBox* dropDown(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QLabel* label(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* text = new QLabel(caption, parent);
    if (buddy != nullptr) text->setBuddy(buddy);
    return text;
}

QButtonGroup* exclusiveGroup(QObject* owner) {
    auto* group = new QButtonGroup(owner);
    group->setExclusive(true);
    return group;
}

void switchOff(QAbstractButton* button) {
    if (!button->isChecked()) return;
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) group->setExclusive(false);
    const bool autoExclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (exclusive) group->setExclusive(true);
}

QGroupBox* groupBox(const QString& title, QWidget* parent) { return new QGroupBox(title, parent); }

QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QGridLayout* compactGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(SPACING * 2, SPACING * 2, SPACING * 2, SPACING * 2);
    grid->setHorizontalSpacing(SPACING * 3);
    grid->setVerticalSpacing(SPACING);
    return grid;
}

QBoxLayout* compactColumn(QWidget* owner) {
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(SPACING * 2, SPACING * 2, SPACING * 2, SPACING * 2);
    column->setSpacing(SPACING);
    return column;
}

QBoxLayout* compactRow(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(SPACING * 2);
    return row;
}

QBoxLayout* rowOf(std::initializer_list<QWidget*> widgets, bool stretch) {
    auto* row = compactRow();
    for (QWidget* widget : widgets) row->addWidget(widget);
    if (stretch) row->addStretch(1);
    return row;
}

} // namespace app::wizard
