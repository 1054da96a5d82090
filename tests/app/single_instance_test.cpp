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
    // Waiting with the event loop running, as the window does: the channel
    // must be able to accept while the second launch sends.
    const bool finished = QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000);
    if (!finished) second.kill();
    ASSERT_TRUE(finished) << "the second launch kept running";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return tabs()->count() == 2; }, 5000));
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"Untitled.bat", "second.bat"}));
    EXPECT_EQ(editor()->text(), "ECHO from the second launch");
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text().toStdString(), file);
    EXPECT_EQ(child<QLabel>("StatusPanel1")->textFormat(), Qt::PlainText); // a name is never markup
}

} // namespace
