// The single-instance channel: only in the user's own folder, bounded requests.
#include "platform/single_instance.h"

#include "support/temp_dir.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <unistd.h>

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(SingleInstanceChannel, EndpointOnlyInAFolderNoOneElseCanEnter) {
    testing_support::TempDir dir;
    const auto runtime = dir.path() / "runtime";
    const auto own = dir.path() / ("quillet-" + std::to_string(geteuid()));
    const auto folder = [&] {
        return platform::SingleInstance::privateFolder(QString::fromStdString(runtime), QString::fromStdString(dir.path()));
    };
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    EXPECT_EQ(folder().toStdString(), runtime);
    fs::permissions(runtime, fs::perms::all); // open to others: a folder of its own is made
    EXPECT_EQ(folder().toStdString(), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    fs::permissions(own, fs::perms::all); // opened up by someone: no channel
    EXPECT_EQ(folder(), "");
    fs::remove(own);
    fs::create_directory_symlink(runtime, own); // a link to elsewhere: no channel
    EXPECT_EQ(folder(), "");
}
#endif

namespace {
// A second launch is another process: its blocking send must not hold up
// this thread's event loop, in which the server accepts (a Windows pipe
// takes the bytes only once the server reads them).
bool sendFromAnotherThread(const QString& name, const QString& request) {
    auto sent = std::async(std::launch::async, [&] { return platform::SingleInstance(name).sendToRunning(request); });
    const bool done =
        QTest::qWaitFor([&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000);
    return done && sent.get();
}
} // namespace

// A request travels as sent; one past the bound drops its connection only.
TEST(SingleInstanceChannel, ARequestPastTheBoundDropsTheConnection) {
    testing_support::TempDir dir;
    const auto name = QString::fromStdString(dir.file("channel"));
    platform::SingleInstance server(name);
    ASSERT_TRUE(server.listen());
    QSignalSpy received(&server, &platform::SingleInstance::requestReceived);
    QLocalSocket flood;
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(2000));
    flood.write(QByteArray(platform::SingleInstance::MAX_REQUEST * 2, 'x'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flood.state() == QLocalSocket::UnconnectedState; }, 5000));
    const QString request = QStringLiteral("[open(\"C:\\\\A B\\\\x.bat\")]");
    EXPECT_TRUE(sendFromAnotherThread(name, request)); // still serving
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
    EXPECT_EQ(received.at(0).at(0).toString(), request);
    EXPECT_FALSE(platform::SingleInstance(QString::fromStdString(dir.file("nobody"))).sendToRunning(request, 200)); // no one listens
}

// A handler that shows a box runs a nested event loop; the sender hangs up
// meanwhile and its connection goes away inside that loop. The channel must
// not touch it afterwards, and every request sent on it still arrives.
TEST(SingleInstanceChannel, AHandlerRunningANestedLoopOutlivesTheConnection) {
    testing_support::TempDir dir;
    const auto name = QString::fromStdString(dir.file("channel"));
    platform::SingleInstance server(name);
    ASSERT_TRUE(server.listen());
    QStringList handled;
    QObject::connect(&server, &platform::SingleInstance::requestReceived, [&](const QString& request) {
        handled << request;
        QEventLoop box;
        QTimer::singleShot(300, &box, &QEventLoop::quit);
        box.exec();
    });
    QLocalSocket sender;
    sender.connectToServer(name);
    ASSERT_TRUE(sender.waitForConnected(2000));
    sender.write("[open(\"a.bat\")]\n[open(\"b.bat\")]\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sender.bytesToWrite() == 0; }, 2000));
    sender.disconnectFromServer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return handled.size() == 2; }, 5000));
    EXPECT_EQ(handled, QStringList({"[open(\"a.bat\")]", "[open(\"b.bat\")]"}));
}
