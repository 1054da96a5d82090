#pragma once
// Check as you type: half a second after the last keystroke, a snapshot of
// the document in front is checked on a worker thread; a result is handed
// back on the window's thread only if nothing changed meanwhile. One check
// runs at a time; edits during it start another once it is done.
#include "core/checker/live_check.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <optional>

namespace app {

class LiveChecker : public QObject {
    Q_OBJECT
public:
    //! `snapshot` copies what a check needs (nothing when no check should run
    //! now); `frontDocument` names the document in front.
    LiveChecker(std::function<std::optional<core::checker::Snapshot>()> snapshot,
                std::function<std::size_t()> frontDocument, QObject* parent = nullptr);
    //! Waits for a running check.
    ~LiveChecker() override;
    LiveChecker(const LiveChecker&) = delete;
    LiveChecker& operator=(const LiveChecker&) = delete;

    //! The text changed: a check follows once typing pauses.
    void textChanged();
    //! Another document came to the front, or an option changed: a check follows at once.
    void checkSoon();
    //! Milliseconds of quiet before a check.
    void setPause(int milliseconds) { m_timer.setInterval(milliseconds); }
    //! True while a check runs or waits for quiet.
    bool busy() const { return m_running || m_timer.isActive(); }

signals:
    void checked(const core::checker::LiveResult& result);

private:
    void start();
    void finished(const core::checker::LiveResult& result);

    std::function<std::optional<core::checker::Snapshot>()> m_snapshot;
    std::function<std::size_t()> m_frontDocument;
    core::checker::LiveCheckGate m_gate;
    QTimer m_timer;
    QThreadPool m_pool;
    bool m_running = false;
};

} // namespace app
