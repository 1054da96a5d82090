#include "core/info/update_session.h"

#include "support/recording_shell.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace core::info;
using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;
using core::ports::Pop3Account;
using core::ports::Pop3Listener;
using core::ports::Pop3Security;

namespace {

// Records every request, one line each, and lets the test play the server.
struct FakeClient : core::ports::Pop3Client {
    Pop3Listener* listener = nullptr;
    std::vector<std::string> calls;
    void setListener(Pop3Listener* l) override { listener = l; }
    void connect(const Pop3Account& a) override {
        calls.push_back("connect " + a.host + ":" + std::to_string(a.port) + " " + a.user + " " + a.password);
    }
    void requestCount() override { calls.push_back("count"); }
    void retrieve(int n) override { calls.push_back("retrieve " + std::to_string(n)); }
    void disconnect() override { calls.push_back("disconnect"); }
};

struct RecordingWindow : UpdateWindow {
    std::vector<std::string> log;
    std::vector<std::string> notice;
    void showNotice(const std::vector<std::string>& lines) override {
        notice = lines;
        log.push_back("notice");
    }
    void setConnectButton(std::string_view caption, bool enabled) override {
        log.push_back("connect " + std::string(caption) + (enabled ? "" : " disabled"));
    }
    void setDownloadEnabled(bool enabled) override { log.push_back(enabled ? "download on" : "download off"); }
    void setCloseButton(std::string_view caption, bool enabled) override {
        log.push_back("close " + std::string(caption) + (enabled ? "" : " disabled"));
    }
    void closeWindow() override { log.push_back("closed"); }
};

const UpdateConfig TWO_SERVERS{{{"pop1.example", 0, "update"}, {"pop2.example", 2110, "news"}},
                               "pw",
                               Pop3Security::StartTls,
                               "https://www.marrowfen.example/get"};

struct Fixture : ::testing::Test {
    FakeClient client;
    RecordingWindow window;
    testing_support::ScriptedPrompter prompter;
    testing_support::RecordingShell shell;
    UpdateSession session{window, {client, prompter, shell}, TWO_SERVERS, "2.1.1.60"};

    void SetUp() override {
        session.start();
        window.log.clear();
    }
    //! Connects and plays a server holding `message`.
    void retrieve(const std::string& message) {
        session.connectClicked();
        session.pop3Connected();
        session.pop3MessageCount(1);
        session.pop3Message(message);
    }
};

using UpdateSessionTest = Fixture;

} // namespace

TEST_F(UpdateSessionTest, ConnectCountRetrieveShowsTheNoticeWithoutItsVersionLine) {
    retrieve("Subject: Update\r\n\r\n2.1.2\r\nQuillet 2.1.2 is out.\r\nIt checks faster.\r\n");
    EXPECT_EQ(client.calls, (std::vector<std::string>{"connect pop1.example:110 update pw", "count", "retrieve 1"}));
    EXPECT_EQ(window.log, (std::vector<std::string>{"connect Co&nnect disabled", "notice", "connect Disco&nnect",
                                                    "notice", "download on"}));
    EXPECT_EQ(window.notice, (std::vector<std::string>{"Quillet 2.1.2 is out.", "It checks faster."}));
    EXPECT_EQ(session.state(), UpdateSession::State::Connected);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(UpdateSessionTest, EmptyMailboxSaysSoAndRetrievesNothing) {
    session.connectClicked();
    session.pop3Connected();
    EXPECT_EQ(window.notice,
              std::vector<std::string>{"Connected. Please wait while the update information is retrieved..."});
    session.pop3MessageCount(0);
    EXPECT_EQ(window.notice, std::vector<std::string>{"No update information currently available."});
    EXPECT_EQ(client.calls, (std::vector<std::string>{"connect pop1.example:110 update pw", "count"}));
    EXPECT_EQ(window.log.back(), "notice") << "the download button is not touched";
}

TEST_F(UpdateSessionTest, DownloadButtonFollowsTheAnnouncedVersion) {
    struct Case { const char* announced; const char* last; } cases[] = {
        {"2.1.2", "download on"},
        {"2.2 beta", "notice"}, // not a version: an error, and the button stays as it was
        {"2.1.1.59", "download off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.announced);
        if (session.state() == UpdateSession::State::Connected) session.connectClicked(); // disconnect
        retrieve(std::string("\r\n") + c.announced + "\r\nTry it.\r\n");
        EXPECT_EQ(window.notice, std::vector<std::string>{"Try it."});
        EXPECT_EQ(window.log.back(), c.last);
    }
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.shown[0].text, "\"2.2 beta\" is not a valid version number.");
}

TEST_F(UpdateSessionTest, RejectedAccountIsAnErrorAndTheWindowStaysDisconnected) {
    session.connectClicked();
    session.pop3AuthenticationFailed("Login denied");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The update server pop1.example did not accept the account name or password."});
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(window.log, (std::vector<std::string>{"connect Co&nnect disabled", "connect Co&nnect"}));
    EXPECT_EQ(session.state(), UpdateSession::State::Disconnected);
}

TEST_F(UpdateSessionTest, ConnectionErrorOffersTheNextServerAndWrapsAround) {
    const std::string question =
        "Could not connect to the update server pop1.example:\nConnection refused\n\n"
        "Please check your internet connection, and look for news about connection problems on "
        "www.marrowfen.example, or try again later.\n\nWould you like to try the next server?";
    prompter.answers = {Answer::No, Answer::Yes, Answer::Yes};
    session.connectClicked();
    session.pop3Failure("Connection refused");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.shown[0].text, question);
    EXPECT_EQ(session.currentServer(), 0u) << "No keeps the server";

    for (const char* expected : {"connect pop1.example:110 update pw", "connect pop2.example:2110 news pw",
                                 "connect pop1.example:110 update pw"}) {
        client.calls.clear();
        session.connectClicked();
        EXPECT_EQ(client.calls, std::vector<std::string>{expected});
        session.pop3Failure("Connection refused");
    }
    EXPECT_EQ(session.currentServer(), 1u) << "Yes twice: second server, then the first again";
    EXPECT_EQ(window.notice, std::vector<std::string>{}) << "nothing retrieved";
}

TEST_F(UpdateSessionTest, FailureOnceConnectedIsReportedAndDisconnects) {
    session.connectClicked();
    session.pop3Connected();
    session.pop3MessageCount(1);
    client.calls.clear();
    session.pop3Failure("The update message is larger than 1 MB.");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "The update information could not be retrieved:\nThe update message is larger than 1 MB."});
    EXPECT_EQ(client.calls, std::vector<std::string>{"disconnect"});
    EXPECT_EQ(window.log.back(), "connect Co&nnect");
    EXPECT_EQ(session.currentServer(), 0u);
}

TEST_F(UpdateSessionTest, DisconnectAndLateEvents) {
    session.connectClicked();
    session.pop3Connected();
    window.log.clear();
    client.calls.clear();
    session.connectClicked();
    EXPECT_EQ(client.calls, std::vector<std::string>{"disconnect"});
    EXPECT_EQ(window.log, std::vector<std::string>{"connect Co&nnect"});
    // Events of the abandoned session change nothing.
    session.pop3MessageCount(1);
    session.pop3Message("\r\n9.9\r\nx\r\n");
    session.pop3Failure("late");
    EXPECT_EQ(window.log, std::vector<std::string>{"connect Co&nnect"});
    EXPECT_EQ(client.calls, std::vector<std::string>{"disconnect"});
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(UpdateSessionTest, CloseLogsOutFirstWhenConnected) {
    session.closeClicked();
    EXPECT_EQ(window.log, std::vector<std::string>{"closed"});
    EXPECT_TRUE(client.calls.empty());

    window.log.clear();
    retrieve("\r\n2.0\r\n");
    window.log.clear();
    client.calls.clear();
    session.closeClicked();
    EXPECT_EQ(window.log, (std::vector<std::string>{"close Closing... disabled", "connect Co&nnect", "closed"}));
    EXPECT_EQ(client.calls, std::vector<std::string>{"disconnect"});
}

TEST_F(UpdateSessionTest, DownloadOpensTheConfiguredAddressAndReportsAFailure) {
    shell.succeeds = false;
    session.downloadClicked();
    EXPECT_EQ(shell.opened, std::vector<std::string>{"https://www.marrowfen.example/get"});
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Could not open https://www.marrowfen.example/get:\n"
                                                         "no application is set up to open it"});
}
