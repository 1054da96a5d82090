#include "app/info/update_info_window.h"

#include "app/info/notice_print.h"
#include "core/settings/memory_settings_store.h"
#include "platform/pop3/curl_pop3_client.h"
#include "platform/pop3/test_pop3_server.h"
#include "core/aids/disk_file_system.h"
#include "support/process.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using app::info::TForm2;
using testing_support::TestPop3Server;

namespace {

const std::string NOTICE = "Subject: Quillet update\r\n\r\n2.3.0\r\nQuillet 2.3.0 is out.\r\n\r\n<b>Faster</b> checks.\r\n";
const QString SHOWN = "Quillet 2.3.0 is out.\n\n<b>Faster</b> checks.";

// The window over a real client, reading its servers from an in-memory store.
struct WindowUnderTest {
    testing_support::TempDir data;
    core::aids::DiskFileSystem files{data.folder()};
    testing_support::ScriptedPrompter prompter;
    testing_support::RecordingShell shell;
    core::settings::MemorySettingsStore settings;
    platform::CurlPop3Client client;
    std::unique_ptr<TForm2> window;

    explicit WindowUnderTest(const std::string& servers) {
        settings.writeText("Update", "Servers", servers);
        settings.writeText("Update", "Password", "secret");
        settings.writeText("Update", "Security", "none");
        window = std::make_unique<TForm2>(app::info::UpdateInfoServices{prompter, shell, files, settings}, client,
                                          "2.1.1.60");
        window->show();
    }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QPlainTextEdit* view() const { return window->findChild<QPlainTextEdit*>("RichEdit1"); }
    bool waitForView(const QString& text) const {
        return QTest::qWaitFor([&] { return view()->toPlainText() == text; }, 10'000);
    }
};

std::string local(int port, const char* user) { return "127.0.0.1:" + std::to_string(port) + " " + user; }

} // namespace

TEST(UpdateInfoWindow, ConnectShowsTheNoticeThenSaveCopyDownloadAndCloseWhileConnected) {
    TestPop3Server server({{"update", "secret", {NOTICE}}});
    WindowUnderTest t(local(server.port(), "update"));
    EXPECT_FALSE(t.button("BitBtn3")->isEnabled());
    QTest::mouseClick(t.button("BitBtn2"), Qt::LeftButton);
    ASSERT_TRUE(t.waitForView(SHOWN)) << t.view()->toPlainText().toStdString();
    EXPECT_EQ(t.button("BitBtn2")->text(), "Disco&nnect");
    EXPECT_TRUE(t.button("BitBtn3")->isEnabled()) << "2.3.0 is newer than 2.1.1.60";

    QTest::keyClick(t.view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(t.data.read("Updateinfo.txt"), "Quillet 2.3.0 is out.\r\n\r\n<b>Faster</b> checks.\r\n");
    QTest::keyClick(t.view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), SHOWN);
    QTest::mouseClick(t.button("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(t.shell.opened, std::vector<std::string>{"https://www.marrowfen.example/download/quillet-setup.exe"});

    QTest::mouseClick(t.button("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(t.window->isVisible());
    EXPECT_EQ(t.button("BitBtn2")->text(), "Co&nnect");
    EXPECT_TRUE(t.button("BitBtn2")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.log().find("Logged out") != std::string::npos; }, 5000))
        << "closing logs out of the server";
    EXPECT_EQ(server.storedMessages("update"), 1u);
    EXPECT_TRUE(t.prompter.shown.empty());
}

TEST(UpdateInfoWindow, PrintoutHasTheHeadingThenTheLines) {
    testing_support::TempDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("notice.pdf")));
    ASSERT_TRUE(app::info::printNotice(printer, QString::fromUtf8("Quillet \xC2\xA9"),
                                       {"Quillet 2.3.0 is out.", "", "Faster checks."}, QFont("DejaVu Sans Mono", 10)));
    const auto pdf = dir.file("notice.pdf");
    EXPECT_EQ(testing_support::runCommand("pdftotext -layout " + pdf + " -").out,
              "Quillet \xC2\xA9\nQuillet 2.3.0 is out.\n\nFaster checks.\n\f");
    const auto fonts = testing_support::runCommand("pdffonts " + pdf).out;
    EXPECT_NE(fonts.find("Serif"), std::string::npos) << "the heading is set in a serif face: " << fonts;
}
