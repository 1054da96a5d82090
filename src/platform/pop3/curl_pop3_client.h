#pragma once
// The Pop3Client port over libcurl. The network work happens on a worker thread
// per session; every event reaches the listener on the thread that owns this
// object (the window's), so the window never blocks and needs no locking.
#include "core/ports/pop3_client.h"
#include "platform/pop3/curl_pop3_session.h"

#include <QObject>

#include <memory>
#include <vector>

namespace platform {

class CurlPop3Client : public QObject, public core::ports::Pop3Client {
    Q_OBJECT
public:
    explicit CurlPop3Client(QObject* parent = nullptr);
    //! Waits for sessions still logging out.
    ~CurlPop3Client() override;

    void setListener(core::ports::Pop3Listener* listener) override;
    void connect(const core::ports::Pop3Account& account) override;
    void requestCount() override;
    void retrieve(int number) override;
    void disconnect() override;

private:
    void dispatch(unsigned generation, const Pop3Event& event);

    core::ports::Pop3Listener* m_listener = nullptr;
    std::unique_ptr<CurlPop3Session> m_session;
    //! Stopped sessions finishing their log-out; joined once they have ended.
    std::vector<std::unique_ptr<CurlPop3Session>> m_retired;
    unsigned m_generation = 0; //!< events of an earlier session are dropped
};

} // namespace platform
