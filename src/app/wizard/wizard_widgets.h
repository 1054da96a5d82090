#pragma once
// Small builders for the wizard pages: every control gets its object name, so
// the field binding and the tests find it, and the few widgets Qt lacks (a
// check box or radio button whose caption wraps, a panel that toggles its
// check box when clicked anywhere).
#include "core/wizard/enabling_rules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <QString>

#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace app::wizard {

//! A caption that wraps onto further lines when the column is narrow. The
//! whole widget is the click area, as on a one-line button.
template <typename Button> class WrappingButton : public Button {
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

private:
    int indent() const;
};

using WrappingCheckBox = WrappingButton<QCheckBox>;
using WrappingRadioButton = WrappingButton<QRadioButton>;

//! A framed panel holding a caption-less check box and its caption lines as
//! labels: a click anywhere on it, labels included, toggles the check box.
class TogglePanel : public QFrame {
public:
    TogglePanel(QCheckBox* box, std::initializer_list<const char*> lines, QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QCheckBox* m_box;
};

//! Field backgrounds the enabling rules switch between: the normal window
//! background, the button-face colour of a field out of play, the
//! inactive-caption-text colour of the choice fields (None leaves it).
using Shade = core::wizard::FieldShade;
void setShade(QWidget* field, Shade shade);
Shade shadeOf(const QWidget* field);

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent = nullptr);
QCheckBox* wrappingCheckBox(const char* name, const QString& caption, QWidget* parent = nullptr);
QRadioButton* radio(const char* name, const QString& caption, QButtonGroup* group, QWidget* parent = nullptr);
QRadioButton* wrappingRadio(const char* name, const QString& caption, QButtonGroup* group,
                            QWidget* parent = nullptr);
//! maxLength 0: no limit.
QLineEdit* edit(const char* name, int maxLength = 0, QWidget* parent = nullptr);
//! Multi-line text without word wrap.
QPlainTextEdit* memo(const char* name, QWidget* parent = nullptr);
QPushButton* button(const char* name, const QString& caption, QWidget* parent = nullptr);
QPushButton* browseButton(const char* name, QWidget* parent = nullptr);
QSpinBox* spin(const char* name, int minimum, int maximum, QWidget* parent = nullptr);
QComboBox* dropDown(const char* name, const QStringList& items, QWidget* parent = nullptr);
QLabel* label(const QString& caption, QWidget* buddy = nullptr, QWidget* parent = nullptr);
//! An exclusive group that allows no selection at all (as at start).
QButtonGroup* exclusiveGroup(QObject* owner);
//! Turns a button off even when it is the selected one of an exclusive group.
void switchOff(QAbstractButton* button);

//! A group box with a title.
QGroupBox* groupBox(const QString& title, QWidget* parent = nullptr);
//! A plain frame around the controls of one choice.
QFrame* panel(QWidget* parent = nullptr);
//! Compact layouts for the pages, which must fit the window's design size.
QGridLayout* compactGrid(QWidget* owner);
QBoxLayout* compactColumn(QWidget* owner);
QBoxLayout* compactRow(QWidget* owner = nullptr);
//! A row of widgets, left-aligned, with a stretch after them.
QBoxLayout* rowOf(std::initializer_list<QWidget*> widgets, bool stretch = true);

} // namespace app::wizard
