// Run on Windows through the same path the window takes: core's launcher in
// the data folder, opened by QtShell, whose .bat association starts cmd.
#include "platform/windows/windows_file_system.h"
#include "core/run/launcher.h"
#include "platform/qt_shell.h"
#include "support/fake_document.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QThread>
#include <gtest/gtest.h>

#include <filesystem>

TEST(QtShellWindows, RunsABatchFileThroughComspecFromTheLauncher) {
    platform::QtShell shell;
    ASSERT_EQ(shell.interpreter(), core::ports::Interpreter::Windows) << "this Windows has COMMAND";
    testing_support::TempDir work;
    std::filesystem::create_directories(work.path() / "Jobs & Co");
    testing_support::FakeDocument document;
    document.filePath = work.write("Jobs & Co/run me.bat", "@ECHO OFF\r\nECHO written> \"%~dp0effect.txt\"\r\n");
    testing_support::TempDir data;
    platform::windows::WindowsFileSystem files(data.folder());
    testing_support::ScriptedPrompter prompter;

    ASSERT_TRUE(core::run::runDocument(core::run::RunMode::Run, document, prompter, files, shell))
        << (prompter.texts().empty() ? std::string() : prompter.texts().front());
    const auto effect = work.path() / "Jobs & Co" / "effect.txt";
    const auto written = [&effect] {
        std::error_code missing;
        return std::filesystem::file_size(effect, missing) > 0 && !missing;
    };
    for (int i = 0; i < 600 && !written(); ++i) QThread::msleep(100);
    QThread::msleep(200); // the interpreter closes the file after writing it
    EXPECT_EQ(work.read("Jobs & Co/effect.txt"), "written\r\n");
    EXPECT_TRUE(prompter.texts().empty());
    EXPECT_EQ(data.read("start.bat").substr(0, 29), "@ECHO OFF\r\n%COMSPEC% /C CALL ");
}
