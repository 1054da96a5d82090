#include "app/help/context_help.h"

#include "core/info/help_controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace app::help {
namespace {

bool isPlainF1(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A dialog without a topic of its own (an input box) takes the topic of the
// control it was opened from.
int contextOf(const QWidget* focus) {
    if (const int context = helpContextOf(focus)) return context;
    const QWidget* owner = focus->window()->parentWidget();
    return owner ? helpContextOf(owner->window()->focusWidget()) : 0;
}

} // namespace

void setHelpContext(QWidget* widget, int context) { widget->setProperty(HELP_CONTEXT_PROPERTY, context); }

int helpContextOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property(HELP_CONTEXT_PROPERTY).toInt();
        if (context > 0) return context;
        if (const auto topic = core::info::help::topicOfControl(widget->objectName().toStdString())) return *topic;
    }
    return 0;
}

ContextHelpKey::ContextHelpKey(core::ports::HelpViewer& help, QObject* parent) : QObject(parent), m_help(help) {
    qApp->installEventFilter(this);
}

ContextHelpKey::~ContextHelpKey() { qApp->removeEventFilter(this); }

bool ContextHelpKey::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the focused control first and then its parents; only
    // the first delivery counts.
    if (!isPlainF1(event) || watched != QApplication::focusWidget()) return false;
    const int context = contextOf(QApplication::focusWidget());
    // A modal dialog keeps the menu's F1 from firing: there the contents open.
    if (context == 0 && !QApplication::activeModalWidget()) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claiming the key keeps the menu's F1 shortcut from firing; the key
        // press that follows opens the topic.
        event->accept();
        return true;
    }
    if (context == 0) m_help.showContents();
    else m_help.showTopic(context);
    return true;
}

} // namespace app::help
