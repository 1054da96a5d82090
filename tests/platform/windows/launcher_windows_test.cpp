// Run where only cmd exists, on a real Windows command interpreter (Wine's
// under scripts/windows-build.sh): core's launcher in the data folder, opened
// the way the .bat association opens it (cmd /c), runs the user's file.
#include "core/run/launcher.h"
#include "platform/windows/windows_file_system.h"

#include "support/fake_document.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The shell of a Windows without COMMAND: opening a .bat runs it through cmd.
class CmdShell : public testing_support::RecordingShell {
public:
    CmdShell() { system = core::ports::Interpreter::Windows; }
    bool open(const std::string& target, std::string& error) override {
        RecordingShell::open(target, error);
        const std::filesystem::path launcher(std::u8string(target.begin(), target.end()));
        return _wsystem((L"cmd /c \"" + launcher.wstring() + L"\" >NUL").c_str()) == 0;
    }
};

} // namespace

TEST(LauncherOnWindows, RunsTheFileThroughComspecWithItsAmpersandPathIntact) {
    testing_support::TempDir work;
    std::filesystem::create_directories(work.path() / "Jobs & Co (old)");
    testing_support::FakeDocument document;
    document.filePath =
        work.write("Jobs & Co (old)/run me.bat", "@ECHO OFF\r\nECHO ran %~nx0 %COMSPEC:~-7%> \"%~dp0effect.txt\"\r\n");
    testing_support::TempDir data;
    platform::windows::WindowsFileSystem files(data.folder());
    testing_support::ScriptedPrompter prompter;
    CmdShell shell;

    ASSERT_TRUE(core::run::runDocument(core::run::RunMode::Run, document, prompter, files, shell));
    EXPECT_EQ(shell.opened, std::vector<std::string>{data.folder() + "start.bat"});
    EXPECT_EQ(data.read("start.bat").substr(0, 29), "@ECHO OFF\r\n%COMSPEC% /C CALL ");
    // The file ran under its own name (its 8.3 alias where the system made one), through cmd.exe.
    const auto effect = work.read("Jobs & Co (old)/effect.txt");
    EXPECT_TRUE(effect.starts_with("ran ") && effect.ends_with(" cmd.exe\r\n")) << effect;
    EXPECT_TRUE(prompter.texts().empty());

    EXPECT_FALSE(core::run::runDocument(core::run::RunMode::StepThrough, document, prompter, files, shell));
    EXPECT_EQ(shell.opened.size(), 1u);
}
