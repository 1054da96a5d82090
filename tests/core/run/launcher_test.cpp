#include "core/run/launcher.h"

#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::ports::Answer;
using core::run::RunMode;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* QUESTION = "You need to save the file before you can run it. Save?";

// A document whose Save and Save As record their calls and answer as told.
class FakeDocument : public core::run::RunnableDocument {
public:
    bool isModified = false;
    std::string filePath = "Untitled.bat";
    std::optional<std::string> saveAsAnswer; //!< nothing: the dialog is cancelled
    bool saveSucceeds = true;
    Strings calls;

    bool modified() const override { return isModified; }
    std::string path() const override { return filePath; }
    bool save() override {
        calls.push_back("save");
        if (saveSucceeds) isModified = false;
        return saveSucceeds;
    }
    bool saveAs() override {
        calls.push_back("saveAs");
        if (!saveAsAnswer) return false;
        filePath = *saveAsAnswer;
        isModified = false;
        return true;
    }
};

class FakeShell : public core::ports::Shell {
public:
    bool succeeds = true;
    Strings opened;
    bool open(const std::string& target, std::string& error) override {
        opened.push_back(target);
        if (!succeeds) error = "no handler";
        return succeeds;
    }
};

struct RunFixture : ::testing::Test {
    testing_support::TempDir dir;
    testing_support::MappedFileSystem files{dir.folder()};
    testing_support::ScriptedPrompter prompter;
    FakeShell shell;
    FakeDocument document;

    RunFixture() {
        files.shortForms["C:\\BATCH\\MY BACKUP.BAT"] = "C:\\BATCH\\MYBACK~1.BAT";
        files.shortForms["C:\\JOBS\\Night Run.bat"] = "C:\\JOBS\\NIGHTR~1.BAT";
    }
    bool run(RunMode mode = RunMode::Run) { return core::run::runDocument(mode, document, prompter, files, shell); }
    std::string launcher() const { return dir.folder() + "start.bat"; }
};

} // namespace

TEST_F(RunFixture, SavedDocumentRunsWithoutAQuestion) {
    document.filePath = "C:\\BATCH\\MY BACKUP.BAT";
    const std::pair<RunMode, const char*> cases[] = {
        {RunMode::Run, "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
        {RunMode::StepThrough, "@ECHO OFF\r\nCOMMAND /Y /C C:\\BATCH\\MYBACK~1.BAT\r\n"},
    };
    for (const auto& [mode, content] : cases) {
        EXPECT_TRUE(run(mode));
        EXPECT_EQ(dir.read("start.bat"), content);
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(shell.opened, Strings(2, launcher()));
}

TEST_F(RunFixture, ModifiedDocumentIsSavedAfterTheQuestion) {
    document.filePath = "C:\\BATCH\\MY BACKUP.BAT";
    document.isModified = true;
    EXPECT_TRUE(run(RunMode::StepThrough));
    EXPECT_EQ(prompter.texts(), Strings{QUESTION});
    EXPECT_EQ(prompter.shown.front().buttons, core::ports::Buttons::YesCancel);
    EXPECT_EQ(document.calls, Strings{"save"});
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /Y /C C:\\BATCH\\MYBACK~1.BAT\r\n");
}

TEST_F(RunFixture, NeverSavedDocumentGoesThroughSaveAs) {
    document.saveAsAnswer = "C:\\JOBS\\Night Run.bat";
    EXPECT_TRUE(run());
    EXPECT_EQ(prompter.texts(), Strings{QUESTION});
    EXPECT_EQ(document.calls, Strings{"saveAs"});
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /C C:\\JOBS\\NIGHTR~1.BAT\r\n");
    EXPECT_EQ(shell.opened, Strings{launcher()});
}

TEST_F(RunFixture, NothingIsWrittenOrStartedWithoutASavedFile) {
    dir.write("start.bat", "EARLIER\r\n");
    struct Case {
        const char* name;
        bool modified;
        std::string path;
        Answer answer;
        bool saveSucceeds;
        Strings calls;
    } cases[] = {
        {"Cancel at the question", true, "C:\\BATCH\\MY BACKUP.BAT", Answer::Cancel, true, {}},
        {"Cancel for a new document", false, "Untitled.bat", Answer::Cancel, true, {}},
        {"Save As cancelled", false, "Untitled.bat", Answer::Yes, true, {"saveAs"}},
        {"numbered untitled name, Save As cancelled", false, "Untitled3.bat", Answer::Yes, true, {"saveAs"}},
        {"Save failed", true, "C:\\BATCH\\MY BACKUP.BAT", Answer::Yes, false, {"save"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        document = FakeDocument{};
        document.isModified = c.modified;
        document.filePath = c.path;
        document.saveSucceeds = c.saveSucceeds;
        prompter.shown.clear();
        prompter.answers = {c.answer};
        EXPECT_FALSE(run());
        EXPECT_EQ(prompter.texts(), Strings{QUESTION});
        EXPECT_EQ(document.calls, c.calls);
    }
    EXPECT_EQ(dir.read("start.bat"), "EARLIER\r\n");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(RunFixture, FailuresAreReportedInPlainWords) {
    document.filePath = "C:\\BATCH\\MY BACKUP.BAT";
    shell.succeeds = false;
    EXPECT_FALSE(run());
    // The launcher is still written exactly, for whoever can run it.
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\MYBACK~1.BAT\r\n");

    testing_support::DiskFileSystem gone(dir.folder() + "missing/");
    EXPECT_FALSE(core::run::runDocument(RunMode::Run, document, prompter, gone, shell));
    EXPECT_EQ(prompter.texts(),
              (Strings{"Quillet wrote the launcher " + launcher() +
                           " but nothing on this computer can run it. Running a batch file needs a DOS or Windows "
                           "command interpreter set up to open .bat files.",
                       "Quillet could not write the launcher " + dir.folder() +
                           "missing/start.bat: No such file or directory."}));
    EXPECT_EQ(shell.opened, Strings{launcher()});
}

TEST(Launcher, NeverSavedNamesAndLauncherLines) {
    const std::pair<const char*, bool> names[] = {
        {"Untitled.bat", true},         {"Untitled12.bat", true},     {"C:\\JOBS\\Untitled.bat", false},
        {"/home/ann/Untitled.bat", false}, {"untitled.bat", false},  {"C:\\JOBS\\A.BAT", false},
    };
    for (const auto& [name, untitled] : names) EXPECT_EQ(core::run::neverSaved(name), untitled) << name;
    EXPECT_EQ(core::run::launcherLines(RunMode::Run, "C:\\A.BAT"), (Strings{"@ECHO OFF", "COMMAND /C C:\\A.BAT"}));
    EXPECT_EQ(core::run::launcherLines(RunMode::StepThrough, "/home/ann/my job.bat"),
              (Strings{"@ECHO OFF", "COMMAND /Y /C /home/ann/my job.bat"}));
}
