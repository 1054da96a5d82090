#include "platform/qt_shell.h"

#include "core/run/launcher.h"
#include "core/aids/disk_file_system.h"
#include "support/fake_document.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Stand-ins for the desktop's tools, alone on PATH while it lives.
struct DesktopTools {
    testing_support::TempDir dir;
    QByteArray savedPath = qgetenv("PATH");
    DesktopTools() { qputenv("PATH", QByteArray::fromStdString(dir.path().string())); }
    ~DesktopTools() { qputenv("PATH", savedPath); }
    void script(const std::string& name, const std::string& body) {
        const auto path = QString::fromStdString(dir.write(name, "#!/bin/sh\n" + body + "\n"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

TEST(QtShell, OpensOnlyExistingFilesWhoseTypeHasADefaultApplication) {
    testing_support::TempDir dir;
    const auto launcher = dir.write("start.bat", "@ECHO OFF\r\n");
    const auto page = dir.write("help.html", "<p>help</p>");
    DesktopTools tools;
    tools.script("xdg-mime", "[ \"$3\" = text/html ] && [ -f " + tools.dir.file("browser") + " ] && echo browser.desktop");
    tools.script("xdg-open", "echo \"$1\" > " + tools.dir.file("opened"));
    const std::pair<std::string, std::string> refused[] = {
        {dir.file("missing.bat"), dir.file("missing.bat") + " does not exist"},
        {launcher, "no application is set up to open start.bat"}, // not even as plain text
        {page, "no application is set up to open help.html"},
    };
    for (const auto& [target, reason] : refused) {
        std::string error;
        EXPECT_FALSE(platform::QtShell().open(target, error));
        EXPECT_EQ(error, reason);
    }
    EXPECT_EQ(tools.dir.read("opened"), "");

    // With a browser set up the page goes on to the desktop, which refuses it
    // in the offscreen test session.
    tools.script("browser", "");
    std::string error;
    EXPECT_FALSE(platform::QtShell().open(page, error));
    EXPECT_EQ(error, "the desktop could not open " + page);
}

// F9 where Wine is installed, through the same path the window takes: core's
// launcher and stand-in COMMAND.BAT, QtShell starting the terminal, Wine's cmd
// running the file. Only the terminal is a stand-in, with no window.
TEST(QtShell, RunsABatchFileThroughWine) {
    const auto wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) GTEST_SKIP() << "Wine is not installed";
    if (qEnvironmentVariableIsEmpty("WINEPREFIX"))
        qputenv("WINEPREFIX", QByteArray("/tmp/quillet-wine-") + QByteArray::number(getuid()));
    qputenv("WINEDEBUG", "-all");
    qputenv("WINEDLLOVERRIDES", "mscoree,mshtml="); // a new prefix asks for no add-ons
    testing_support::TempDir work;
    std::filesystem::create_directories(work.path() / "Jobs & Co");
    testing_support::FakeDocument document;
    document.filePath = work.write("Jobs & Co/run me.bat", "@ECHO OFF\r\nECHO running %~nx0\r\nECHO written> \"%~dp0effect.txt\"\r\n");
    testing_support::TempDir data;
    core::aids::DiskFileSystem files(data.folder());
    testing_support::ScriptedPrompter prompter;
    DesktopTools tools;
    tools.script("wine", "PATH='" + tools.savedPath.toStdString() + "' exec " + wine.toStdString() + " \"$@\"");
    tools.script("xterm", "shift; \"$@\" </dev/null >" + tools.dir.file("out") + " 2>&1; : > " + tools.dir.file("done"));
    platform::QtShell shell;

    ASSERT_TRUE(core::run::runDocument(core::run::RunMode::Run, document, prompter, files, shell));
    for (int i = 0; i < 900 && !std::filesystem::exists(tools.dir.file("done")); ++i) QThread::msleep(100);
    EXPECT_EQ(work.read("Jobs & Co/effect.txt"), "written\r\n");
    EXPECT_NE(tools.dir.read("out").find("running run me.bat"), std::string::npos) << tools.dir.read("out");
    EXPECT_TRUE(prompter.texts().empty());
}
