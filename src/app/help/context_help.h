#pragma once
// F1 help for the focused control: every page, group and dialog carries a
// help context number in the dynamic property "helpContext", and F1 opens
// the topic of the nearest one, from the focused control outwards.
#include "core/ports/help_viewer.h"

#include <QObject>

class QWidget;

namespace app::help {

inline constexpr char HELP_CONTEXT_PROPERTY[] = "helpContext";

//! Gives a widget (and so everything inside it) a help context number.
void setHelpContext(QWidget* widget, int context);

//! The context of the widget or of its nearest parent that has one (its own
//! property, else its object name's topic); 0 when none has.
int helpContextOf(const QWidget* widget);

//! Watches the whole application for F1. When the focused control has a
//! context (in a dialog without one: the control the dialog was opened from),
//! its topic opens and the key goes no further; otherwise F1 takes its usual
//! way (the Help menu's "&Contents"), which in a modal dialog opens the contents.
class ContextHelpKey : public QObject {
    Q_OBJECT
public:
    ContextHelpKey(core::ports::HelpViewer& help, QObject* parent);
    ~ContextHelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    core::ports::HelpViewer& m_help;
};

} // namespace app::help
