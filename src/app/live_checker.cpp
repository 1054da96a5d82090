#include "app/live_checker.h"

namespace app {

LiveChecker::LiveChecker(std::function<std::optional<core::checker::Snapshot>()> snapshot,
                         std::function<std::size_t()> frontDocument, QObject* parent)
    : QObject(parent), m_snapshot(std::move(snapshot)), m_frontDocument(std::move(frontDocument)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(500);
    m_pool.setMaxThreadCount(1);
    connect(&m_timer, &QTimer::timeout, this, &LiveChecker::start);
}

LiveChecker::~LiveChecker() { m_pool.waitForDone(); }

void LiveChecker::textChanged() {
    m_gate.changed();
    m_timer.start();
}

void LiveChecker::checkSoon() {
    m_gate.changed();
    m_timer.start(0);
}

void LiveChecker::start() {
    m_timer.setInterval(500);
    if (m_running) return; // the result will not fit: another check follows it
    auto snapshot = m_snapshot();
    if (!snapshot) return;
    snapshot->generation = m_gate.generation();
    m_running = true;
    m_pool.start([this, snapshot = std::move(*snapshot)] {
        auto result = core::checker::checkSnapshot(snapshot);
        // Back on the window's thread; dropped unseen if this object is gone by then.
        QMetaObject::invokeMethod(this, [this, result = std::move(result)] { finished(result); }, Qt::QueuedConnection);
    });
}

void LiveChecker::finished(const core::checker::LiveResult& result) {
    m_running = false;
    if (m_gate.fits(result, m_frontDocument())) emit checked(result);
    else if (!m_timer.isActive()) m_timer.start();
}

} // namespace app
