#include "platform/pop3/curl_pop3_client.h"

#include "platform/pop3/test_pop3_server.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <regex>
#include <tuple>

using core::ports::Pop3Account;
using core::ports::Pop3Security;
using platform::CurlPop3Client;
using testing_support::TestPop3Server;

namespace {

const std::string NOTICE = "From: Marrowfen Software <news@marrowfen.example>\r\nSubject: Quillet update\r\n\r\n"
                           "2.3.0\r\nQuillet 2.3.0 is out.\r\n\r\nIt checks batch files faster.\r\n";
const std::string DOTS = "Subject: dots\r\n\r\n2.3.0\r\n.profile\r\n..\r\n.\r\n";
const std::string BIG = "Subject: big\r\n\r\n2.3.0\r\n" + std::string(std::size_t{1024} * 1024, 'x') + "\r\n";

Pop3Account plainAccount(int port, Pop3Security security = Pop3Security::None) {
    Pop3Account a;
    std::tie(a.host, a.port, a.user, a.password, a.security) = std::tuple("127.0.0.1", port, "update", "secret", security);
    return a;
}

struct Recorder : core::ports::Pop3Listener {
    std::vector<std::string> events;
    std::string message;
    void pop3Connected() override { events.push_back("connected"); }
    void pop3AuthenticationFailed(const std::string&) override { events.push_back("authentication failed"); }
    void pop3MessageCount(int count) override { events.push_back("count " + std::to_string(count)); }
    void pop3Message(const std::string& raw) override {
        message = raw;
        events.push_back("message");
    }
    void pop3Failure(const std::string& reason) override { events.push_back("failure: " + reason); }
};

class CurlPop3ClientTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new TestPop3Server({{"update", "secret", {NOTICE}},
                                     {"empty", "secret", {}},
                                     {"dots", "secret", {DOTS}},
                                     {"big", "secret", {BIG}}});
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override { client.setListener(&recorder); }

    static Pop3Account account(const std::string& user, Pop3Security security = Pop3Security::StartTls) {
        auto a = plainAccount(security == Pop3Security::Tls ? server->tlsPort() : server->port(), security);
        a.user = user;
        a.caFile = server->caFile();
        return a;
    }
    //! Waits until `count` events have arrived.
    bool waitForEvents(std::size_t count, int milliseconds = 10'000) {
        return QTest::qWaitFor([&] { return recorder.events.size() >= count; }, milliseconds);
    }
    //! Connect, count, retrieve message 1: the events seen.
    std::vector<std::string> fetch(const Pop3Account& a) {
        client.connect(a);
        if (!waitForEvents(1) || recorder.events.back() != "connected") return recorder.events;
        client.requestCount();
        if (!waitForEvents(2) || recorder.events.back() == "count 0") return recorder.events;
        client.retrieve(1);
        waitForEvents(3);
        return recorder.events;
    }
    //! How the last session of `user` was protected, as the server logged it.
    static std::string lastLoginSecurity(const std::string& user) {
        const auto log = server->log();
        const auto at = log.rfind("Login: user=<" + user + ">");
        if (at == std::string::npos) return "no login";
        const auto line = log.substr(at, log.find('\n', at) - at);
        return line.find(", TLS,") != std::string::npos ? "TLS" : "plain";
    }
    static std::size_t logins(const std::string& user) {
        const auto log = server->log();
        const std::regex login("Login: user=<" + user + ">");
        return std::distance(std::sregex_iterator(log.begin(), log.end(), login), std::sregex_iterator());
    }

    static TestPop3Server* server;
    Recorder recorder;
    CurlPop3Client client;
};

TestPop3Server* CurlPop3ClientTest::server = nullptr;

} // namespace

// Each fetch finds the message the one before retrieved: it stays on the server.
TEST_F(CurlPop3ClientTest, EverySecurityModeRetrievesTheWholeMessageOverOneConnection) {
    const std::pair<Pop3Security, const char*> cases[] = {
        {Pop3Security::StartTls, "TLS"}, {Pop3Security::Tls, "TLS"}, {Pop3Security::None, "plain"}};
    for (const auto& [mode, protection] : cases) {
        SCOPED_TRACE(protection);
        recorder = {};
        const auto before = logins("update");
        EXPECT_EQ(fetch(account("update", mode)), (std::vector<std::string>{"connected", "count 1", "message"}));
        EXPECT_EQ(recorder.message, NOTICE);
        client.disconnect();
        EXPECT_EQ(logins("update"), before + 1) << "log-in, count and retrieval share one connection";
        EXPECT_EQ(lastLoginSecurity("update"), protection);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return server->log().find("del=0/1") != std::string::npos; }, 5000))
        << "the session logs out without deleting: " << server->log();
    EXPECT_EQ(server->storedMessages("update"), 1u);
}

TEST_F(CurlPop3ClientTest, EmptyMailboxDotLinesAndTheSizeCap) {
    const std::tuple<const char*, std::vector<std::string>, std::string> cases[] = {
        {"empty", {"connected", "count 0"}, ""},
        {"dots", {"connected", "count 1", "message"}, DOTS}, // dot-stuffing undone
        {"big", {"connected", "count 1", "failure: The update message is larger than 1 MB; it was not retrieved."}, ""},
    };
    for (const auto& [user, events, message] : cases) {
        SCOPED_TRACE(user);
        recorder = {};
        EXPECT_EQ(fetch(account(user)), events);
        EXPECT_EQ(recorder.message, message);
        client.disconnect();
    }
}

TEST_F(CurlPop3ClientTest, WrongPasswordIsAnAuthenticationFailure) {
    auto a = account("update");
    a.password = "wrong";
    client.connect(a);
    ASSERT_TRUE(waitForEvents(1));
    EXPECT_EQ(recorder.events, std::vector<std::string>{"authentication failed"});
}

TEST_F(CurlPop3ClientTest, UntrustedCertificateIsRefused) {
    for (auto mode : {Pop3Security::StartTls, Pop3Security::Tls}) {
        recorder = {};
        auto a = account("update", mode);
        a.caFile.clear(); // the system's store does not know the test certificate
        client.connect(a);
        ASSERT_TRUE(waitForEvents(1));
        EXPECT_TRUE(recorder.events[0].starts_with("failure: SSL certificate problem")) << recorder.events[0];
    }
    EXPECT_EQ(logins("update"), 0u);
}

TEST(CurlPop3Client, ServerWithoutStlsIsRefusedNotUsedInPlainText) {
    TestPop3Server plain({{"update", "secret", {NOTICE}}}, /*tls=*/false);
    CurlPop3Client client;
    Recorder recorder;
    client.setListener(&recorder);
    client.connect(plainAccount(plain.port(), Pop3Security::StartTls));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.events.empty(); }, 10'000));
    EXPECT_EQ(recorder.events, std::vector<std::string>{"failure: The server does not offer STLS, so the connection "
                                                        "was refused rather than sent as plain text."});
    EXPECT_EQ(plain.log().find("Login:"), std::string::npos) << "the password was never sent";
}

TEST(CurlPop3Client, RefusedAndSilentServersFailWithinTheTimeOut) {
    testing_support::SilentServer silent;
    const std::pair<int, const char*> cases[] = {{testing_support::freePort(), "Couldn't connect to server"},
                                                 {silent.port(), "timed out"}};
    for (const auto& [port, reason] : cases) {
        SCOPED_TRACE(reason);
        CurlPop3Client client;
        Recorder recorder;
        client.setListener(&recorder);
        auto a = plainAccount(port);
        a.connectTimeout = std::chrono::milliseconds(500);
        QElapsedTimer clock;
        clock.start();
        client.connect(a);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.events.empty(); }, 5000));
        EXPECT_LT(clock.elapsed(), 2000);
        ASSERT_EQ(recorder.events.size(), 1u);
        EXPECT_NE(recorder.events[0].find(reason), std::string::npos) << recorder.events[0];
    }
}

TEST(CurlPop3Client, DisconnectCancelsAnAttemptInProgressAndNothingFollows) {
    testing_support::SilentServer silent;
    Recorder recorder;
    QElapsedTimer clock;
    clock.start();
    {
        CurlPop3Client client;
        client.setListener(&recorder);
        client.connect(plainAccount(silent.port())); // 10 s time-outs
        QTest::qWait(200);
        client.disconnect();
        QTest::qWait(300);
    }
    EXPECT_LT(clock.elapsed(), 2000) << "the worker stopped without waiting for the time-out";
    EXPECT_TRUE(recorder.events.empty());
}
