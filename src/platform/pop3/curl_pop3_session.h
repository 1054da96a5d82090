#pragma once
// One POP3 connection run by libcurl on a worker thread of its own: requests
// are queued and handled in order over the same connection, and each outcome is
// handed to a callback (on the worker thread; the caller moves it on).
#include "core/ports/pop3_client.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace platform {

struct Pop3Event {
    enum class Kind { Connected, AuthenticationFailed, MessageCount, Message, Failure };
    Kind kind = Kind::Failure;
    int count = 0;
    std::string text; //!< the message, or the reason of a failure
};

class CurlPop3Session {
public:
    using Deliver = std::function<void(Pop3Event)>;

    //! Starts the worker and queues the log-in.
    CurlPop3Session(core::ports::Pop3Account account, Deliver deliver);
    //! Stops (see stop()) and waits for the worker.
    ~CurlPop3Session();
    CurlPop3Session(const CurlPop3Session&) = delete;
    CurlPop3Session& operator=(const CurlPop3Session&) = delete;

    void requestCount();
    void retrieve(int number);
    //! Drops queued requests, aborts a transfer in progress (its connection is
    //! closed at once) or else logs out politely; delivers nothing more.
    void stop();
    //! True once the worker has ended.
    bool finished() const { return m_finished; }

private:
    struct Request {
        enum class Kind { Connect, Count, Retrieve } kind;
        int number = 0;
    };
    void post(Request request);
    void run();
    Pop3Event perform(const Request& request, void* easy);
    int transfer(void* easy); //!< a CURLcode

    core::ports::Pop3Account m_account;
    Deliver m_deliver;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_queue;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_finished{false};
    void* m_multi = nullptr; //!< guarded by m_mutex: stop() wakes the transfer loop through it
    std::thread m_thread;
};

} // namespace platform
