#include "platform/pop3/curl_pop3_client.h"

#include <curl/curl.h>

#include <QMetaObject>

#include <algorithm>
#include <mutex>

namespace platform {

using Kind = Pop3Event::Kind;

CurlPop3Client::CurlPop3Client(QObject* parent) : QObject(parent) {
    // Must happen once, before any worker thread uses libcurl.
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlPop3Client::~CurlPop3Client() { m_listener = nullptr; }

void CurlPop3Client::setListener(core::ports::Pop3Listener* listener) { m_listener = listener; }

void CurlPop3Client::connect(const core::ports::Pop3Account& account) {
    disconnect();
    const unsigned generation = m_generation;
    // The callback runs on the worker thread; the queued call runs dispatch on
    // this object's thread. Workers are joined before this object is destroyed,
    // and calls still queued then are dropped with it.
    m_session = std::make_unique<CurlPop3Session>(account, [this, generation](Pop3Event event) {
        QMetaObject::invokeMethod(
            this, [this, generation, event = std::move(event)] { dispatch(generation, event); },
            Qt::QueuedConnection);
    });
}

void CurlPop3Client::requestCount() {
    if (m_session) m_session->requestCount();
}

void CurlPop3Client::retrieve(int number) {
    if (m_session) m_session->retrieve(number);
}

void CurlPop3Client::disconnect() {
    ++m_generation;
    std::erase_if(m_retired, [](const auto& session) { return session->finished(); });
    if (!m_session) return;
    m_session->stop();
    m_retired.push_back(std::move(m_session));
}

void CurlPop3Client::dispatch(unsigned generation, const Pop3Event& event) {
    if (generation != m_generation || !m_listener) return;
    switch (event.kind) {
    case Kind::Connected: m_listener->pop3Connected(); break;
    case Kind::AuthenticationFailed: m_listener->pop3AuthenticationFailed(event.text); break;
    case Kind::MessageCount: m_listener->pop3MessageCount(event.count); break;
    case Kind::Message: m_listener->pop3Message(event.text); break;
    case Kind::Failure: m_listener->pop3Failure(event.text); break;
    }
}

} // namespace platform
