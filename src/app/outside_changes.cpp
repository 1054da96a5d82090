#include "app/outside_changes.h"

#include "app/main_window.h"

#include <QEvent>

namespace app {

OutsideChangeWatch::OutsideChangeWatch(TForm1& window) : QObject(&window), m_window(window) {
    window.installEventFilter(this);
}

bool OutsideChangeWatch::eventFilter(QObject* watched, QEvent* event) {
    // Asked once activation has been handled: the question is a message box,
    // whose own loop must not run inside the activation.
    if (watched == &m_window && event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, [this] { m_window.documents().checkOutsideChange(); }, Qt::QueuedConnection);
    return false;
}

} // namespace app
