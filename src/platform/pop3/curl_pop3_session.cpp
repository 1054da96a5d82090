#include "platform/pop3/curl_pop3_session.h"

#include "core/info/pop3_reply.h"

#include <curl/curl.h>

#include <algorithm>

namespace platform {
namespace {

using core::ports::Pop3Security;
using Kind = Pop3Event::Kind;

constexpr std::size_t MAX_REPLY_BYTES = std::size_t{64} * 1024;

std::string tooLarge(std::size_t limit) {
    constexpr std::size_t MB = std::size_t{1024} * 1024;
    const auto size = limit % MB == 0 ? std::to_string(limit / MB) + " MB" : std::to_string(limit) + " bytes";
    return "The update message is larger than " + size + "; it was not retrieved.";
}
constexpr const char* NO_STLS =
    "The server does not offer STLS, so the connection was refused rather than sent as plain text.";
constexpr const char* BAD_STAT = "The server's reply to STAT could not be read.";

struct Received {
    std::string body;
    std::size_t limit = 0;
    bool overflow = false;
    std::string replies;
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* context) {
    auto& received = *static_cast<Received*>(context);
    const std::size_t bytes = size * count;
    if (received.body.size() + bytes > received.limit) {
        received.overflow = true;
        return 0; // ends the transfer with a write error
    }
    received.body.append(data, bytes);
    return bytes;
}

// libcurl hands every reply line of the conversation to the header callback.
std::size_t onReply(char* data, std::size_t size, std::size_t count, void* context) {
    auto& replies = static_cast<Received*>(context)->replies;
    const std::size_t bytes = size * count;
    if (replies.size() + bytes > MAX_REPLY_BYTES) replies.clear();
    replies.append(data, bytes);
    return bytes;
}

std::string baseUrl(const core::ports::Pop3Account& account) {
    const bool literalV6 = account.host.find(':') != std::string::npos;
    return std::string(account.security == Pop3Security::Tls ? "pop3s://" : "pop3://") +
           (literalV6 ? "[" + account.host + "]" : account.host) + ":" + std::to_string(account.port) + "/";
}

void configure(CURL* easy, const core::ports::Pop3Account& account) {
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "pop3,pop3s");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_USERNAME, account.user.c_str());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, account.password.c_str());
    curl_easy_setopt(easy, CURLOPT_USE_SSL,
                     account.security == Pop3Security::StartTls ? long(CURLUSESSL_ALL) : long(CURLUSESSL_NONE));
    if (!account.caFile.empty()) curl_easy_setopt(easy, CURLOPT_CAINFO, account.caFile.c_str());
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(account.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(account.totalTimeout.count()));
    const long responseSeconds = std::max(1L, long((account.totalTimeout.count() + 999) / 1000));
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, responseSeconds);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onReply);
}

} // namespace

CurlPop3Session::CurlPop3Session(core::ports::Pop3Account account, Deliver deliver)
    : m_account(std::move(account)), m_deliver(std::move(deliver)) {
    m_queue.push_back({Request::Kind::Connect});
    m_thread = std::thread([this] { run(); });
}

CurlPop3Session::~CurlPop3Session() {
    stop();
    m_thread.join();
}

void CurlPop3Session::requestCount() { post({Request::Kind::Count}); }

void CurlPop3Session::retrieve(int number) { post({Request::Kind::Retrieve, number}); }

void CurlPop3Session::post(Request request) {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(request);
    m_wake.notify_one();
}

void CurlPop3Session::stop() {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
    m_queue.clear();
    if (m_multi) curl_multi_wakeup(static_cast<CURLM*>(m_multi));
    m_wake.notify_one();
}

void CurlPop3Session::run() {
    CURLM* multi = curl_multi_init();
    CURL* easy = curl_easy_init();
    configure(easy, m_account);
    {
        std::lock_guard lock(m_mutex);
        m_multi = multi;
    }
    while (true) {
        Request request{};
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping) break;
            request = m_queue.front();
            m_queue.pop_front();
        }
        auto event = perform(request, easy);
        if (m_stopping) break;
        m_deliver(std::move(event));
    }
    {
        std::lock_guard lock(m_mutex);
        m_multi = nullptr;
    }
    // An idle connection sits in the multi handle's cache: cleaning it up logs out.
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    m_finished = true;
}

Pop3Event CurlPop3Session::perform(const Request& request, void* handle) {
    auto* easy = static_cast<CURL*>(handle);
    Received received;
    received.limit = m_account.maxMessageBytes;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &received);
    const bool retrieving = request.kind == Request::Kind::Retrieve;
    const auto url = baseUrl(m_account) + (retrieving ? std::to_string(request.number) : "");
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST,
                     retrieving ? nullptr : request.kind == Request::Kind::Count ? "STAT" : "NOOP");
    curl_easy_setopt(easy, CURLOPT_NOBODY, retrieving ? 0L : 1L);

    const auto code = static_cast<CURLcode>(transfer(easy));
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
    if (code == CURLE_LOGIN_DENIED) return {Kind::AuthenticationFailed, 0, error[0] ? error : curl_easy_strerror(code)};
    if (code == CURLE_USE_SSL_FAILED) return {Kind::Failure, 0, NO_STLS};
    if (code == CURLE_WRITE_ERROR && received.overflow) return {Kind::Failure, 0, tooLarge(received.limit)};
    if (code != CURLE_OK) return {Kind::Failure, 0, error[0] ? error : curl_easy_strerror(code)};
    switch (request.kind) {
    case Request::Kind::Connect: return {Kind::Connected, 0, {}};
    case Request::Kind::Retrieve: return {Kind::Message, 0, std::move(received.body)};
    case Request::Kind::Count: break;
    }
    const auto count = core::info::parseStatReply(received.replies);
    return count ? Pop3Event{Kind::MessageCount, *count, {}} : Pop3Event{Kind::Failure, 0, BAD_STAT};
}

int CurlPop3Session::transfer(void* handle) {
    auto* easy = static_cast<CURL*>(handle);
    auto* multi = static_cast<CURLM*>(m_multi);
    curl_multi_add_handle(multi, easy);
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (!m_stopping) {
        curl_multi_perform(multi, &running);
        if (running == 0) {
            int left = 0;
            if (CURLMsg* message = curl_multi_info_read(multi, &left); message && message->msg == CURLMSG_DONE)
                result = message->data.result;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    // Removing a handle mid-transfer closes its connection at once, without QUIT.
    curl_multi_remove_handle(multi, easy);
    return result;
}

} // namespace platform
