#pragma once
// A POP3 mailbox reached over the network. Every call returns at once; the
// outcome arrives later as one event on the listener, on the caller's thread.
#include <chrono>
#include <cstddef>
#include <string>

namespace core::ports {

enum class Pop3Security {
    StartTls, //!< plain port, STLS required before logging in; a server without it is refused
    Tls,      //!< implicit TLS from the first byte
    None,     //!< plain text throughout
};

struct Pop3Account {
    std::string host;
    int port = 110;
    std::string user;
    std::string password; //!< never shown, never written to any output
    Pop3Security security = Pop3Security::StartTls;
    std::string caFile; //!< certificates to trust; empty: the system's store
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds totalTimeout{30'000}; //!< per request
    std::size_t maxMessageBytes = std::size_t{1024} * 1024;     //!< a larger message is refused
};

//! The outcomes of the client's requests. Reasons are readable English texts.
class Pop3Listener {
public:
    virtual ~Pop3Listener() = default;
    //! connect(): logged in.
    virtual void pop3Connected() = 0;
    //! connect(): the server refused the account name or password.
    virtual void pop3AuthenticationFailed(const std::string& reason) = 0;
    //! requestCount(): the number of messages in the mailbox.
    virtual void pop3MessageCount(int count) = 0;
    //! retrieve(): the whole message, headers and body, as the server sent it
    //! (dot-stuffing undone, the terminating line removed).
    virtual void pop3Message(const std::string& raw) = 0;
    //! Any request failed: no connection, TLS refused, time-out, message too large...
    virtual void pop3Failure(const std::string& reason) = 0;
};

//! One session: connect, then any number of requests over the same connection,
//! then disconnect. Requests are handled in order, one at a time.
class Pop3Client {
public:
    virtual ~Pop3Client() = default;
    virtual void setListener(Pop3Listener* listener) = 0;
    virtual void connect(const Pop3Account& account) = 0;
    virtual void requestCount() = 0;
    //! Fetches message `number` (from 1); never deletes it.
    virtual void retrieve(int number) = 0;
    //! Cancels whatever is in progress and logs out. No event follows.
    virtual void disconnect() = 0;
};

} // namespace core::ports
