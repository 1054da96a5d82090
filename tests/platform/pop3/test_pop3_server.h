#pragma once
// Real POP3 servers for integration tests: a private dovecot started by
// pop3_server.sh on free ports of 127.0.0.1, and a socket that accepts
// connections but never says a word.
#include "support/process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

struct Mailbox {
    std::string user;
    std::string password;
    std::vector<std::string> messages; //!< raw messages, stored as given
};

//! A listening socket on 127.0.0.1; the port it got, or -1. The socket stays open.
inline int listenOnFreePort(int& fd) {
    fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return -1;
    return ntohs(address.sin_port);
}

//! A port nobody listens on at the moment of the call.
inline int freePort() {
    int fd = -1;
    const int port = listenOnFreePort(fd);
    if (fd >= 0) ::close(fd);
    return port;
}

//! Accepts connections (the kernel completes them) and never answers.
class SilentServer {
public:
    SilentServer() : m_port(listenOnFreePort(m_fd)) {}
    ~SilentServer() { if (m_fd >= 0) ::close(m_fd); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port;
};

class TestPop3Server {
public:
    explicit TestPop3Server(const std::vector<Mailbox>& mailboxes, bool tls = true) {
        char name[] = "/tmp/qlt-pop3-XXXXXX";
        if (!::mkdtemp(name)) throw std::runtime_error("mkdtemp failed");
        m_dir = name;
        std::string boxes;
        for (const auto& box : mailboxes) boxes += " " + shellQuote(box.user + ":" + box.password + ":" + store(box));
        // Ports are free when picked but may be taken before dovecot binds them: retry.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = freePort();
            m_tlsPort = freePort();
            const auto result = runCommand(std::string(QUILLET_POP3_SERVER_SCRIPT) + " start " + m_dir + " " +
                                           std::to_string(m_port) + " " + std::to_string(m_tlsPort) +
                                           (tls ? "" : " --no-tls") + " --owner " + std::to_string(::getpid()) + boxes);
            if (result.status == 0) return;
            m_error = result.err;
            if (result.status != 3 && result.status != 4) break;
        }
        throw std::runtime_error("the test POP3 server did not start: " + m_error);
    }
    ~TestPop3Server() {
        runCommand(std::string(QUILLET_POP3_SERVER_SCRIPT) + " stop " + m_dir);
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TestPop3Server(const TestPop3Server&) = delete;
    TestPop3Server& operator=(const TestPop3Server&) = delete;

    int port() const { return m_port; }
    int tlsPort() const { return m_tlsPort; }
    std::string caFile() const { return m_dir + "/ssl/cert.pem"; }
    //! The server's log: one "Login: user=<...>" line per session.
    std::string log() const {
        std::ifstream in(m_dir + "/dovecot.log");
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    //! Number of messages in a mailbox as stored on disk.
    std::size_t storedMessages(const std::string& user) const {
        namespace fs = std::filesystem;
        std::size_t count = 0;
        for (const char* sub : {"/new", "/cur"})
            count += std::distance(fs::directory_iterator(m_dir + "/mail/" + user + "/Maildir" + sub),
                                   fs::directory_iterator());
        return count;
    }

private:
    std::string store(const Mailbox& box) {
        std::string files;
        for (std::size_t i = 0; i < box.messages.size(); ++i) {
            const auto path = m_dir + "/" + box.user + "-" + std::to_string(i + 1) + ".eml";
            std::ofstream(path, std::ios::binary) << box.messages[i];
            files += (i ? "," : "") + path;
        }
        return files;
    }

    std::string m_dir;
    std::string m_error;
    int m_port = 0;
    int m_tlsPort = 0;
};

} // namespace testing_support
