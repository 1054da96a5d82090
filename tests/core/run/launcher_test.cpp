#include "core/run/launcher.h"

#include "support/case_file.h"
#include "support/fake_document.h"
#include "support/mapped_file_system.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

using core::ports::Answer;
using core::run::RunMode;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* QUESTION = "You need to save the file before you can run it. Save?";
constexpr const char* SAVED = "C:\\BATCH\\MY BACKUP.BAT";

using testing_support::FakeDocument;

// What a run works with: a data folder, scripted answers, a shell and the document.
struct Rig {
    testing_support::TempDir dir;
    testing_support::MappedFileSystem files{dir.folder()};
    testing_support::ScriptedPrompter prompter;
    testing_support::RecordingShell shell;
    FakeDocument document;
};

struct LauncherTest : ::testing::Test, Rig {};

} // namespace

TEST(Launcher, SavesWhenNeededThenWritesAndOpensTheLauncher) {
    const auto cases = testing_support::readCases(RUN_TEST_DATA "/runs.txt", {"mode", "document", "save as", "save", "asked", "calls", "launcher"});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Rig rig;
        auto& [dir, files, prompter, shell, document] = rig;
        files.shortForms[SAVED] = "C:\\BATCH\\MYBACK~1.BAT";
        prompter.answers = {c["save"].at(1) == "yes" ? Answer::Yes : Answer::Cancel};
        document.isModified = c["document"].at(0) == "true";
        document.filePath = c["document"].at(1);
        if (!c["save as"].empty()) document.saveAsAnswer = c["save as"][0];
        document.saveSucceeds = c["save"].at(0) == "true";
        const auto mode = c["mode"].at(0) == "step" ? RunMode::StepThrough : RunMode::Run;
        const auto& launcher = c["launcher"];
        EXPECT_EQ(core::run::runDocument(mode, document, prompter, files, shell), !launcher.empty());
        EXPECT_EQ(prompter.texts(), c["asked"].at(0) == "true" ? Strings{QUESTION} : Strings{});
        EXPECT_EQ(document.calls, c["calls"]);
        EXPECT_EQ(dir.read("start.bat"), launcher.empty() ? "" : launcher[0]);
        EXPECT_EQ(shell.opened, launcher.empty() ? Strings{} : Strings{dir.folder() + "start.bat"});
    }
}

// A launcher that cannot be written is part of the write faults.
TEST_F(LauncherTest, NothingToRunItIsReportedInPlainWords) {
    shell.succeeds = false;
    document.filePath = dir.write("my job.bat", "");

    EXPECT_FALSE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    // The launcher is still written exactly, for whoever can run it.
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /C \"" + dir.file("my job.bat") + "\"\r\n");
    EXPECT_EQ(prompter.texts(),
              Strings{"Quillet wrote the launcher " + dir.folder() +
                      "start.bat but nothing on this computer can run it. Running a batch file needs a DOS or "
                      "Windows command interpreter set up to open .bat files."});
}

TEST_F(LauncherTest, WineWithoutATerminalSaysWhatIsMissingAndHowToGetIt) {
    shell.programs = {{"wine", "/usr/bin/wine"}};
    document.filePath = dir.write("job.bat", "");

    EXPECT_FALSE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    EXPECT_EQ(prompter.texts(),
              Strings{"Quillet found Wine to run the batch file with, but no terminal window to show it in: it needs "
                      "x-terminal-emulator or xterm. Install a terminal (on Debian or Ubuntu: sudo apt install xterm) "
                      "and run it again. Nothing was run."});
    EXPECT_TRUE(shell.started.empty() && shell.opened.empty());
}

// The launcher names the file the user means, or nothing runs.
TEST(Launcher, ArgumentIsThePathQuotedWhereNeededOrNothing) {
    const auto cases = testing_support::readCases(RUN_TEST_DATA "/launcher_arguments.txt", {});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases)
        EXPECT_EQ(core::run::launcherArgument(c.name), c[""].empty() ? std::nullopt : std::optional(c[""][0])) << c.where;
}

TEST_F(LauncherTest, PathThatCannotBeWrittenFaithfullyRunsNothing) {
    document.filePath = "/tmp/\xC5\xBC\xC3\xB3\xC5\x82w & co/job.bat";

    EXPECT_FALSE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    EXPECT_EQ(prompter.texts(), Strings{"Quillet cannot run " + document.filePath +
                                        ": the command interpreter would not read its path as written. Paths it "
                                        "reads unchanged hold only plain ASCII letters, digits and punctuation, "
                                        "without quotes, % or ^. Nothing was run."});
    EXPECT_EQ(dir.read("start.bat"), "");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(LauncherTest, WithWineAndATerminalRunsThroughWinesCommandInterpreter) {
#ifdef _WIN32
    GTEST_SKIP() << "Wine runs on POSIX systems";
#endif
    shell.programs = {{"wine", "/usr/bin/wine"}, {"xterm", "/usr/bin/xterm"}};
    document.filePath = "/home/ann/w & co/job.bat";

    ASSERT_TRUE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /C \"Z:\\home\\ann\\w & co\\job.bat\"\r\n");
    EXPECT_EQ(dir.read("COMMAND.BAT"), "@ECHO OFF\r\ncmd /c call %2\r\n");
    auto launcher = "Z:" + dir.folder() + "start.bat";
    std::replace(launcher.begin(), launcher.end(), '/', '\\');
    const std::vector<Strings> terminal{{"/usr/bin/xterm", "-e", "/usr/bin/wine", "cmd", "/k", launcher}};
    EXPECT_EQ(shell.started, terminal);
    EXPECT_EQ(shell.startedIn, Strings{dir.folder()});

    // Names Windows cannot hold, and Step Through, which Wine cannot do, run nothing.
    document.filePath = "/home/ann/a:b.bat";
    EXPECT_FALSE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    document.filePath = "/home/ann/job.bat";
    EXPECT_FALSE(core::run::runDocument(RunMode::StepThrough, document, prompter, files, shell));
    ASSERT_EQ(prompter.texts().size(), 2u);
    EXPECT_EQ(prompter.texts()[1].substr(0, 34), "Step Through needs a DOS command i");
    EXPECT_EQ(shell.started.size() + shell.opened.size(), 1u);
}

// Where only cmd exists (64-bit Windows), Run goes through it from the same
// launcher; Step Through, which cmd cannot do, says so and runs nothing.
TEST_F(LauncherTest, WhereOnlyCmdExistsRunGoesThroughComspecAndStepThroughRunsNothing) {
    shell.system = core::ports::Interpreter::Windows;
    document.filePath = "C:\\Jobs & Co\\job.bat";
    files.shortForms[document.filePath] = "C:\\JOBS&C~1\\JOB.BAT";

    ASSERT_TRUE(core::run::runDocument(RunMode::Run, document, prompter, files, shell));
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\n%COMSPEC% /C CALL \"C:\\JOBS&C~1\\JOB.BAT\"\r\n");
    EXPECT_EQ(shell.opened, Strings{dir.folder() + "start.bat"});

    EXPECT_FALSE(core::run::runDocument(RunMode::StepThrough, document, prompter, files, shell));
    ASSERT_EQ(prompter.texts().size(), 1u);
    EXPECT_EQ(prompter.texts()[0].substr(0, 60), "Step Through needs a DOS command interpreter that asks befor");
    EXPECT_NE(prompter.texts()[0].find("only cmd"), std::string::npos);
    EXPECT_EQ(shell.opened.size(), 1u);
}
