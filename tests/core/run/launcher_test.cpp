#include "core/run/launcher.h"

#include "support/fake_document.h"
#include "support/mapped_file_system.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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
    struct Case {
        const char* name;
        RunMode mode;
        bool modified;
        std::string path;
        std::optional<std::string> saveAsAnswer;
        bool saveSucceeds;
        Answer answer;
        bool asked;
        Strings calls;
        const char* launcher; //!< nothing: no launcher is written or opened
    } cases[] = {
        {"saved", RunMode::Run, false, SAVED, {}, true, Answer::Yes, false, {},
         "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
        {"step through", RunMode::StepThrough, false, SAVED, {}, true, Answer::Yes, false, {},
         "@ECHO OFF\r\nCOMMAND /Y /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
        {"modified", RunMode::Run, true, SAVED, {}, true, Answer::Yes, true, {"save"},
         "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
        {"never saved", RunMode::Run, false, "Untitled.bat", SAVED, true, Answer::Yes, true, {"saveAs"},
         "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
        {"Cancel at the question", RunMode::Run, true, SAVED, {}, true, Answer::Cancel, true, {}, nullptr},
        {"Save As cancelled", RunMode::Run, false, "Untitled2.bat", {}, true, Answer::Yes, true, {"saveAs"}, nullptr},
        {"Save failed", RunMode::Run, true, SAVED, {}, false, Answer::Yes, true, {"save"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        auto& [dir, files, prompter, shell, document] = rig;
        files.shortForms[SAVED] = "C:\\BATCH\\MYBACK~1.BAT";
        prompter.answers = {c.answer};
        std::tie(document.isModified, document.filePath, document.saveAsAnswer, document.saveSucceeds) =
            std::tie(c.modified, c.path, c.saveAsAnswer, c.saveSucceeds);
        EXPECT_EQ(core::run::runDocument(c.mode, document, prompter, files, shell), c.launcher != nullptr);
        EXPECT_EQ(prompter.texts(), c.asked ? Strings{QUESTION} : Strings{});
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(dir.read("start.bat"), c.launcher ? c.launcher : "");
        EXPECT_EQ(shell.opened, c.launcher ? Strings{dir.folder() + "start.bat"} : Strings{});
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

// The launcher names the file the user means, or nothing runs.
TEST(Launcher, ArgumentIsThePathQuotedWhereNeededOrNothing) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"C:\\BATCH\\MYBACK~1.BAT", "C:\\BATCH\\MYBACK~1.BAT"},
        {"C:\\My Jobs\\a.bat", "\"C:\\My Jobs\\a.bat\""},
        {"C:\\W&CO~1\\JOB.BAT", "\"C:\\W&CO~1\\JOB.BAT\""},     // & would end the command
        {"C:\\caf\xC3\xA9\\job.bat", std::nullopt},                // read in another code page
        {"/tmp/say \"hi\".bat", std::nullopt},
        {"C:\\100%\\job.bat", std::nullopt},
        {"/tmp/a\nb.bat", std::nullopt},
    };
    for (const auto& [path, argument] : cases) EXPECT_EQ(core::run::launcherArgument(path), argument) << path;
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
