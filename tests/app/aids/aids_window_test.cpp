// The editing aids and Run through the main window: commands, dialogs shown
// once, edits reaching the document's tab, the IF page as target, Run.
#include "app/aids/aids_commands.h"
#include "app/wizard/install_easy_layout.h"

#include "app/window_fixture.h"

#include "support/recording_shell.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using core::ports::Answer;
using testing_support::WindowTest;
using Strings = std::vector<std::string>;

namespace {

class AidsWindow : public WindowTest {
protected:
    testing_support::RecordingShell shell;

    ~AidsWindow() override { window.reset(); } // before the shell goes
    void install(app::TForm1& form) override {
        app::wizard::installEasyLayout(form, prompter, files, settings);
        new app::aids::AidsCommands(form, {prompter, settings, files, shell});
    }
    //! Starts on Advanced with a file of these lines open, the selection set.
    void openLines(const Strings& lines, std::size_t start = 0, std::size_t length = 0) {
        std::string bytes;
        for (const auto& line : lines) bytes += line + "\r\n";
        startAdvanced({dir.write("job.bat", bytes)});
        window->editorView().select(start, length);
    }
    Strings lines() const { return window->editorView().lines(); }
    QDialog* dialog(const char* name) const { return child<QDialog>(name); }
    void clickIn(const char* dialogName, const char* button) const {
        QTest::mouseClick(dialog(dialogName)->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void selectTemplate(const QString& entry) const {
        auto* list = dialog("TInsertCommandSelect")->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems(entry, Qt::MatchExactly).value(0));
    }
};

TEST_F(AidsWindow, KeysInTheEditorShowTheDialogsCreatedOnce) {
    startAdvanced();
    // The keys reach their commands, which the window has enabled, and type nothing.
    const Strings before = lines();
    editor()->setFocus();
    const std::pair<QKeyCombination, const char*> opens[] = {
        {Qt::Key_Insert, "TInsertCommandSelect"},
        {Qt::ShiftModifier | Qt::Key_Insert, "TForm9"},
        {Qt::ControlModifier | Qt::Key_Insert, "TForm10"},
    };
    for (const auto& [key, name] : opens) {
        QTest::keyClick(editor(), key.key(), key.keyboardModifiers());
        EXPECT_TRUE(dialog(name)->isVisible()) << name;
        EXPECT_EQ(dialog(name)->parentWidget(), window.get()) << name;
        action("EditInsert1")->trigger(); // showing again creates nothing new
        EXPECT_EQ(window->findChildren<QDialog*>(name).size(), 1) << name;
    }
    QTest::keyClick(editor(), Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier); // Insert Variable
    EXPECT_TRUE(dialog("TForm12")->isVisible());
    QTest::keyClick(editor(), Qt::Key_Insert, Qt::ControlModifier | Qt::AltModifier); // Insert Batch File
    EXPECT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(lines(), before);
    EXPECT_FALSE(editor()->isModified());
    EXPECT_FALSE(editor()->overwriteMode());
}

TEST_F(AidsWindow, TemplatesGoToTheCaretOrToTheIfPagesCommandField) {
    openLines({"REM old line"}, 4, 3);
    action("EditInsert1")->trigger();
    selectTemplate("MKDIR [dirpath]");
    EXPECT_EQ(dialog("TInsertCommandSelect")->findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
              "The MKDIR command allows you to create a new directory.");
    clickIn("TInsertCommandSelect", "Button1");
    EXPECT_EQ(lines(), Strings{"REM MKDIR [dirpath] line"});
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"job.bat*"});
    EXPECT_TRUE(dialog("TInsertCommandSelect")->isVisible());

    pages()->setCurrentWidget(child<QWidget>("TabSheet2"));
    auto* wizard = child<QTabWidget>("PageControl2");
    wizard->setCurrentIndex(4); // "Variables and IF"
    selectTemplate("PAUSE");
    clickIn("TInsertCommandSelect", "Button1");
    EXPECT_EQ(child<QLineEdit>("Edit23")->text(), "PAUSE");
    EXPECT_EQ(lines(), Strings{"REM MKDIR [dirpath] line"});

    wizard->setCurrentIndex(3); // another wizard page: the editor again
    clickIn("TInsertCommandSelect", "Button1");
    EXPECT_EQ(lines(), Strings{"REM MKDIR [dirpath]PAUSE line"});
}

TEST_F(AidsWindow, VariableSelectListsTheCheckedVariablesAndInsertsOne) {
    openLines({"@ECHO OFF", "SET TEMPDIR=C:\\TMP", ":DONE", "ECHO "}, 43);
    action("BatchSyntaxCheck")->trigger(); // the check finds the variables and labels
    window->editorView().setCaret(43);
    action("EditInsertVariable")->trigger();
    auto* select = dialog("TForm12");
    auto* variables = select->findChild<QListWidget*>("ListBox1");
    EXPECT_EQ(select->windowTitle(), "Variable Select");
    ASSERT_EQ(variables->count(), 1);
    EXPECT_EQ(variables->item(0)->text(), "TEMPDIR");
    variables->setCurrentRow(0);
    clickIn("TForm12", "Button1");
    EXPECT_EQ(lines(), (Strings{"@ECHO OFF", "SET TEMPDIR=C:\\TMP", ":DONE", "ECHO %TEMPDIR%"}));
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"job.bat*"});
    EXPECT_TRUE(select->isVisible());

    // Label mode, from the IF page's "Labels..." button: the label goes to its field.
    pages()->setCurrentWidget(child<QWidget>("TabSheet2"));
    child<QTabWidget>("PageControl2")->setCurrentIndex(4);
    child<QPushButton>("Button17")->click();
    EXPECT_EQ(select->windowTitle(), "Available Labels");
    auto* labels = select->findChild<QListWidget*>("ListBox2");
    ASSERT_EQ(labels->count(), 1);
    labels->setCurrentRow(0);
    variables->setCurrentRow(-1);
    clickIn("TForm12", "Button1");
    EXPECT_EQ(child<QLineEdit>("Edit24")->text(), "DONE");
    EXPECT_EQ(lines().back(), "ECHO %TEMPDIR%");
}

// The conversions are core's (path_aids_test); the commands reach them.
TEST_F(AidsWindow, ShortenAndRelativePathRewriteTheSelection) {
    openLines({"COPY C:\\Program Files\\My Backup.bat C:\\BATCH\\DATA\\LIST.TXT"}, 5, 30);
    action("ShortenPath")->trigger();
    prompter.folderAnswers = {"C:\\BATCH\\TOOLS"};
    window->editorView().select(30, 22);
    action("RelativePath")->trigger();
    EXPECT_EQ(lines(), Strings{"COPY C:\\PROGRA~1\\MYBACK~1.BAT ..\\DATA\\LIST.TXT"});
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"job.bat*"});
}

TEST_F(AidsWindow, InsertBatchFileAppendsACallLine) {
    openLines({"@ECHO OFF", "PAUSE"}, 3);
    prompter.openAnswers = {{"C:\\Jobs\\Night Backup.bat"}};
    action("InsertBat")->trigger();
    EXPECT_EQ(lines(), (Strings{"@ECHO OFF", "PAUSE", "CALL \"C:\\Jobs\\Night Backup.bat\""}));
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"job.bat*"});
    prompter.answers = {Answer::Yes, Answer::No}; // exit, without saving
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(stored("PreviousExec", "LastOpen2Path"), "C:\\Jobs\\"); // the dialog's folder is kept
}

TEST_F(AidsWindow, RunAndStepThroughWriteTheLauncherAndOpenItOnceSaved) {
    openLines({"@ECHO OFF"});
    const std::string path = dir.file("job.bat");
    action("BatchRun")->trigger();
    EXPECT_TRUE(prompter.shown.empty()); // saved and unchanged: no question
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /C " + path + "\r\n");
    EXPECT_EQ(shell.opened, Strings{dir.file("start.bat")});

    editor()->append("\r\nPAUSE");
    prompter.answers = {Answer::Yes};
    action("BatchStepThrough")->trigger();
    EXPECT_EQ(prompter.texts(), Strings{"You need to save the file before you can run it. Save?"});
    EXPECT_EQ(dir.read("job.bat"), "@ECHO OFF\r\nPAUSE\r\n");
    EXPECT_EQ(dir.read("start.bat"), "@ECHO OFF\r\nCOMMAND /Y /C " + path + "\r\n");
    EXPECT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"job.bat"});
}

TEST_F(AidsWindow, ADialogOpenAtExitSavesItsHistory) {
    startAdvanced();
    action("InsertPath1")->trigger();
    prompter.folderAnswers = {"C:\\TOOLS"};
    clickIn("TForm10", "Button1");
    prompter.answers = {Answer::Yes}; // exit
    EXPECT_TRUE(closeWindow());
    window.reset();
    EXPECT_EQ(dir.read("Paths.qlt"), "C:\\TOOLS\r\n");
}

} // namespace
