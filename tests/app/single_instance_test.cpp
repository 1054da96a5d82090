// A second launch hands its file to the running window and exits.
#include "window_fixture.h"

#include "platform/single_instance.h"

#include <QProcess>

using testing_support::WindowTest;

namespace {

using SingleInstance = WindowTest;

TEST_F(SingleInstance, SecondLaunchOpensItsFileInTheRunningWindowAndExits) {
    const auto file = dir.write("second.bat", "ECHO from the second launch\r\n");
    startAdvanced();
    platform::SingleInstance channel;
    ASSERT_TRUE(channel.listen());
    QObject::connect(&channel, &platform::SingleInstance::requestReceived, window.get(), &app::TForm1::openRequest);

    QProcess second;
    second.start(QStringLiteral(QUILLET_EXE), {QString::fromStdString(file)});
    ASSERT_TRUE(second.waitForStarted());
    const bool finished = second.waitForFinished(10000);
    if (!finished) second.kill();
    ASSERT_TRUE(finished) << "the second launch kept running";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return tabs()->count() == 2; }, 5000));
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"Untitled.bat", "second.bat"}));
    EXPECT_EQ(editor()->text(), "ECHO from the second launch");
}

TEST_F(SingleInstance, ChannelCarriesTheRequestAsSentAndFindsNoListenerWhenNoneRuns) {
    platform::SingleInstance server(QStringLiteral("quillet-test-") + QString::number(QCoreApplication::applicationPid()));
    ASSERT_TRUE(server.listen());
    std::vector<QString> received;
    QObject::connect(&server, &platform::SingleInstance::requestReceived, [&](const QString& r) { received.push_back(r); });
    platform::SingleInstance client(QStringLiteral("quillet-test-") + QString::number(QCoreApplication::applicationPid()));
    EXPECT_TRUE(client.sendToRunning(QStringLiteral("[open(\"C:\\\\A B\\\\x.bat\")]")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 5000));
    EXPECT_EQ(received, std::vector<QString>{QStringLiteral("[open(\"C:\\\\A B\\\\x.bat\")]")});
    platform::SingleInstance nobody(QStringLiteral("quillet-test-nobody"));
    EXPECT_FALSE(nobody.sendToRunning(QStringLiteral("[open(\"x\")]"), 200));
}

} // namespace
