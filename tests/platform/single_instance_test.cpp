// The single-instance channel: only in the user's own folder, bounded requests.
#include "platform/single_instance.h"

#include "support/temp_dir.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

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
    EXPECT_TRUE(platform::SingleInstance(name).sendToRunning(request)); // still serving
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
    EXPECT_EQ(received.at(0).at(0).toString(), request);
    EXPECT_FALSE(platform::SingleInstance(QString::fromStdString(dir.file("nobody"))).sendToRunning(request, 200)); // no one listens
}
