// The tab strip, the open-document list and the editor through New, Open,
// Save, Save As, Close File and tab switching.
#include "document_set_fixture.h"

#include "core/settings/settings_table.h"

#include <algorithm>
#include <tuple>

using namespace documents_test;
using core::documents::CloseResult;
using core::documents::DocumentEvent;
using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;

namespace {
const std::string SAVE_AS_LINE = "ECHO This Batch file was created with the Quillet from Marrowfen Software.";
}

TEST_F(DocumentSetTest, NewDocumentsTakeTheFirstFreeUntitledName) {
    EXPECT_EQ(tabs(), "[Untitled.bat]");
    EXPECT_EQ(editor.lines(), Lines({"@ECHO OFF", ":START"}));
    EXPECT_FALSE(editor.modified());
    set.newFile();
    set.newFile();
    EXPECT_EQ(tabs(), "Untitled.bat Untitled1.bat [Untitled2.bat]");
    set.selectTab(1);
    EXPECT_EQ(set.closeFile(), CloseResult::Closed);
    EXPECT_EQ(tabs(), "Untitled.bat [Untitled2.bat]");
    set.newFile();
    EXPECT_EQ(tabs(), "Untitled.bat Untitled2.bat [Untitled1.bat]");
    EXPECT_EQ(set.listOpenDocuments(), Lines({"Untitled.bat", "Untitled2.bat", "Untitled1.bat"}));
    EXPECT_EQ(set.statusText(), "Untitled1.bat");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DocumentSetTest, SameFileNameInTwoFoldersGetsASuffixThatIsNeverWritten) {
    const auto first = file("a/test.bat", "REM A\r\n");
    const auto second = file("b/test.bat", "REM B\r\n");
    const auto third = file("c/test.bat", "REM C\r\n");
    set.openFile(first);
    set.openFile(second);
    set.openFile(third);
    EXPECT_EQ(tabs(), "Untitled.bat test.bat test.bat(1) [test.bat(2)]");
    EXPECT_EQ(set.listOpenDocuments(), Lines({"Untitled.bat", first, second + "(1)", third + "(2)"}));

    set.selectTab(2);
    EXPECT_EQ(set.currentDocumentName(), second + "(1)");
    EXPECT_EQ(set.statusText(), second + "(1)");
    type("X");
    EXPECT_EQ(tabs(), "Untitled.bat test.bat [test.bat(1)*] test.bat(2)");
    EXPECT_TRUE(set.save());
    EXPECT_EQ(dir.read("b/test.bat"), "XREM B\r\n");
    EXPECT_EQ(dir.read("a/test.bat"), "REM A\r\n");
    EXPECT_FALSE(std::filesystem::exists(second + "(1)"));
    EXPECT_EQ(tabs(), "Untitled.bat test.bat [test.bat(1)] test.bat(2)");

    // Opening either file again selects its tab.
    set.openFile(first);
    EXPECT_EQ(tabs(), "Untitled.bat [test.bat] test.bat(1) test.bat(2)");
    EXPECT_EQ(editor.lines(), Lines({"REM A"}));
    set.openFile(second);
    EXPECT_EQ(tabs(), "Untitled.bat test.bat [test.bat(1)] test.bat(2)");
    EXPECT_EQ(editor.lines(), Lines({"XREM B"}));
}

TEST_F(DocumentSetTest, ReopeningAnOpenFileKeepsItsEditsCaretAndMark) {
    const auto path = open("job.bat", "@ECHO OFF\r\nCOPY A B\r\n");
    editor.setCaret(13);
    type("Z");
    set.newFile();
    const int undoResets = editor.undoResets();
    set.openFile(path);
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat*] Untitled1.bat");
    EXPECT_EQ(editor.lines(), Lines({"@ECHO OFF", "COZPY A B"}));
    EXPECT_EQ(editor.caret(), 14u);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.undoResets(), undoResets + 1);
    EXPECT_EQ(set.parkedDocuments().size(), 2u);

    set.openFile(path); // the current document: nothing happens
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat*] Untitled1.bat");
    EXPECT_EQ(set.parkedDocuments().size(), 2u);
}

TEST_F(DocumentSetTest, TypingMarksTheCaptionOnce) {
    std::vector<DocumentEvent> events;
    set.setListener([&](DocumentEvent e) { events.push_back(e); });
    type("REM one\r\n");
    type("REM two\r\n");
    set.appendLine("GOTO START");
    set.editorChanged();
    EXPECT_EQ(tabs(), "[Untitled.bat*]");
    EXPECT_EQ(events, std::vector<DocumentEvent>{DocumentEvent::TabsChanged});
}

TEST_F(DocumentSetTest, SwitchToDocumentFindsParkedDocumentsByCaption) {
    set.newFile();
    const Lines unusual = {"\xA7", "Line: 5", "Untitled.bat", "", "\xA7"};
    editor.setLines(unusual);
    set.editorChanged();
    set.newFile();
    EXPECT_EQ(tabs(), "Untitled.bat Untitled1.bat* [Untitled2.bat]");

    EXPECT_FALSE(set.switchToDocument("nothing.bat", true));
    EXPECT_TRUE(set.switchToDocument("Untitled2.bat", true)); // its own caption: nothing to do
    EXPECT_TRUE(set.switchToDocument(set.currentDocumentName() + "*", true));
    EXPECT_EQ(tabs(), "Untitled.bat Untitled1.bat* [Untitled2.bat]");

    EXPECT_TRUE(set.switchToDocument("UNTITLED1.BAT*", true));
    EXPECT_EQ(tabs(), "Untitled.bat [Untitled1.bat*] Untitled2.bat");
    EXPECT_EQ(editor.lines(), unusual);
    EXPECT_TRUE(editor.modified());

    EXPECT_TRUE(set.switchToDocument("untitled.bat", true));
    EXPECT_EQ(tabs(), "[Untitled.bat] Untitled1.bat* Untitled2.bat");
    EXPECT_EQ(set.currentDocumentText(), Lines({"@ECHO OFF", ":START"}));
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(set.openDialogFileName(), "Untitled.bat");
}

TEST_F(DocumentSetTest, SaveAsAddsTheTemplateLineUnlessPresentInAnyCaseOrTurnedOff) {
    // The text, whether the line is wanted, the file written and whether the line was added.
    const std::tuple<Lines, bool, std::string, bool> cases[] = {
        {{"@ECHO OFF", ":START"}, true, "@ECHO OFF\r\n:START\r\n" + SAVE_AS_LINE + "\r\n", true},
        {{"echo this batch file was created with the quillet from marrowfen software.", "PAUSE"}, true,
         "echo this batch file was created with the quillet from marrowfen software.\r\nPAUSE\r\n", false},
        {{" " + SAVE_AS_LINE}, true, " " + SAVE_AS_LINE + "\r\n" + SAVE_AS_LINE + "\r\n", true},
        {{"@ECHO OFF", ":START"}, false, "@ECHO OFF\r\n:START\r\n", false},
    };
    std::vector<DocumentEvent> events;
    set.setListener([&](DocumentEvent e) { events.push_back(e); });
    for (const auto& [lines, wanted, written, added] : cases) {
        SCOPED_TRACE(written);
        core::settings::writeBool(store, core::settings::Setting::SaveAsLine, wanted);
        events.clear();
        editor.setLines(lines);
        prompter.saveAnswers.push_back(dir.file("saved.bat"));
        EXPECT_TRUE(set.saveAs());
        EXPECT_EQ(dir.read("saved.bat"), written);
        EXPECT_FALSE(editor.modified());
        EXPECT_EQ(std::count(events.begin(), events.end(), DocumentEvent::SaveAsLineAdded), added ? 1 : 0);
    }
}

TEST_F(DocumentSetTest, SaveAsRenamesTheDocumentAndSaveNeverAddsTheTemplateLine) {
    set.newFile();
    type("REM x\r\n");
    const auto target = dir.file("job.bat");
    prompter.saveAnswers.push_back(target);
    EXPECT_TRUE(set.save()); // untitled: Save runs Save As
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const auto& request = prompter.fileRequests[0];
    EXPECT_EQ(request.title + " | " + request.filter + " | " + request.defaultExtension + " | " + request.fileName,
              "Save Batch File | Batch File (*.bat)|*.bat|Text File (*.txt)|*.txt | bat | Untitled1.bat");
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat]");
    EXPECT_EQ(set.listOpenDocuments(), Lines({"Untitled.bat", target}));
    EXPECT_EQ(set.statusText(), target);
    EXPECT_EQ(set.saveDialogFileName(), target);
    EXPECT_EQ(store.readText("Recent", "File01", ""), target);

    editor.setLines({"PAUSE"});
    set.editorChanged();
    EXPECT_TRUE(set.save());
    EXPECT_EQ(dir.read("job.bat"), "PAUSE\r\n");
    EXPECT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat]");
}

TEST_F(DocumentSetTest, ClosingTheOnlyModifiedDocumentLeavesAFreshOne) {
    type("REM x");
    prompter.answers.push_back(Answer::No);
    EXPECT_EQ(set.closeFile(), CloseResult::Closed);
    ASSERT_EQ(prompter.shown.size(), 1u);
    const auto& box = prompter.shown[0];
    EXPECT_EQ(std::tie(box.kind, box.buttons, box.text),
              std::tuple(MessageKind::Confirmation, Buttons::YesNoCancel, "Would you like to save Untitled.bat?"));
    EXPECT_EQ(tabs(), "[Untitled1.bat]");
    EXPECT_EQ(set.listOpenDocuments(), Lines({"Untitled1.bat"}));
    EXPECT_EQ(editor.lines(), Lines({"@ECHO OFF", ":START"}));
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(set.parkedDocuments().size(), 0u);
}

TEST_F(DocumentSetTest, ClosingSelectsTheTabThatMovesIntoPlaceOrTheOneBefore) {
    // The tab closed, the tabs and the text after.
    const std::tuple<std::size_t, std::string, Lines> cases[] = {
        {0, "[a.bat] b.bat", {"REM a"}},
        {1, "Untitled.bat [b.bat]", {"REM b"}},
        {2, "Untitled.bat [a.bat]", {"REM a"}},
    };
    for (const auto& [closed, after, text] : cases) {
        SCOPED_TRACE(after);
        core::documents::DocumentSet documents(editor, prompter, files, store, lists);
        documents.start();
        documents.openFile(file("a.bat", "REM a\r\n"));
        documents.openFile(file("b.bat", "REM b\r\n"));
        documents.selectTab(closed);
        documents.closeFile();
        EXPECT_EQ(tabsOf(documents), after);
        EXPECT_EQ(editor.lines(), text);
        EXPECT_EQ(documents.parkedDocuments().size(), 1u);
    }
}

TEST_F(DocumentSetTest, PickListsEmptyOnNewOpenAndCloseButNotOnSwitching) {
    const auto fill = [&] { lists = {{"START"}, {"NAME"}}; };
    fill();
    set.newFile();
    EXPECT_TRUE(lists.labels.empty() && lists.variables.empty());
    fill();
    open("x.bat");
    EXPECT_TRUE(lists.labels.empty() && lists.variables.empty());
    fill();
    set.selectTab(0);
    EXPECT_EQ(lists.labels, Lines({"START"}));
    set.closeFile();
    EXPECT_TRUE(lists.labels.empty() && lists.variables.empty());
}

TEST_F(DocumentSetTest, CancelAtTheSavePromptKeepsTheDocument) {
    type("REM 1");
    open("a.bat");
    type("REM 2");
    prompter.answers = {Answer::Cancel};
    EXPECT_EQ(set.closeFile(), CloseResult::Abandoned);
    EXPECT_EQ(tabs(), "Untitled.bat* [a.bat*]");
    EXPECT_EQ(editor.lines(), Lines({"REM 2@ECHO OFF"}));
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(prompter.saveAnswers.empty() && prompter.fileRequests.empty());
}

TEST_F(DocumentSetTest, UndoToTheSavedTextClearsTheMarkUnlessTheHistoryLostIt) {
    EXPECT_EQ(set.windowTitle(), "Untitled.bat \u2014 Quillet");
    type("REM 1");
    EXPECT_EQ(set.windowTitle(), "Untitled.bat* \u2014 Quillet");
    set.savePointReached();
    EXPECT_EQ(tabs(), "[Untitled.bat]");
    EXPECT_FALSE(editor.modified());

    // Parked modified, the document comes back without the history to undo.
    type("REM 2");
    open("a.bat");
    set.selectTab(0);
    set.savePointReached();
    EXPECT_EQ(tabs(), "[Untitled.bat*] a.bat");
}
