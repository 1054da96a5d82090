// The window as a daily user meets it: findings that belong to their document,
// an undo history per tab, the tab strip's mouse and keys, colours that agree
// while typing, the check as you type, the files open at exit coming back,
// the Find bar, Redo, and the caret's place in the status bar.
#include "window_fixture.h"

#include <Qsci/qscilexer.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>

using core::ports::Answer;

namespace {

constexpr int ERROR_UNDERLINE = 12;
constexpr int WARNING_UNDERLINE = 13;
constexpr int FIND_INDICATOR = 15;

class WindowComforts : public testing_support::WindowTest {
protected:
    QString problemCount() const { return child<QLabel>("StatusPanel2")->text(); }
    QTreeView* problemsList() const { return child<QTreeView>("ProblemsList"); }
    long indicatorsAt(long position) const {
        return editor()->SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, static_cast<unsigned long>(position));
    }
    bool highlighted(long position) const { return (indicatorsAt(position) & (1L << FIND_INDICATOR)) != 0; }
    void open(const std::string& path) { window->documents().openFile(path); }
};

TEST_F(WindowComforts, TheProblemsListShowsTheFindingsOfTheDocumentInFront) {
    settings.writeInteger("Options", "ProblemReport", 2);
    settings.writeBool("Options", "CheckAsYouType", false);
    startAdvanced({dir.write("A.BAT", "FROB\r\nDEL A B\r\nREM fine\r\nFROB\r\n")});
    open(dir.write("B.BAT", "@ECHO OFF\r\nREM fine\r\n"));
    tabs()->setCurrentIndex(0);
    window->BatchSyntaxCheckExecute();
    const auto* model = problemsList()->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(problemCount(), "3 problems");

    tabs()->setCurrentIndex(1);
    EXPECT_EQ(model->rowCount(), 0) << "B was never checked";
    EXPECT_EQ(problemCount(), "");

    tabs()->setCurrentIndex(0);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(problemCount(), "3 problems");
    problemsList()->setFocus();
    problemsList()->setCurrentIndex(model->index(2, 0));
    QTest::keyClick(problemsList(), Qt::Key_Return);
    EXPECT_EQ(editor()->selectedText(), "FROB");
    int line = -1, index = -1;
    editor()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 3) << "the row's line, in A";
}

TEST_F(WindowComforts, EachTabKeepsItsUndoHistoryAndUndoIsEnabledOnlyWhenItDoesSomething) {
    settings.writeBool("Options", "CheckAsYouType", false);
    startAdvanced({dir.write("A.BAT", "@ECHO OFF\r\n")});
    open(dir.write("B.BAT", "REM B\r\n"));
    EXPECT_FALSE(action("Undo1")->isEnabled());
    tabs()->setCurrentIndex(0);
    const auto saved = editor()->text();
    editor()->setFocus();
    QTest::keyClicks(editor(), "REM ");
    EXPECT_TRUE(action("Undo1")->isEnabled());
    tabs()->setCurrentIndex(1);
    EXPECT_FALSE(action("Undo1")->isEnabled()) << "B has nothing to undo";
    QTest::keyClicks(editor(), "X");
    tabs()->setCurrentIndex(0);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"A.BAT*", "B.BAT*"}));

    while (action("Undo1")->isEnabled()) action("Undo1")->trigger();
    EXPECT_EQ(editor()->text(), saved);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"A.BAT", "B.BAT*"}));
    EXPECT_TRUE(action("Redo1")->isEnabled());
    tabs()->setCurrentIndex(1);
    action("Undo1")->trigger();
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"A.BAT", "B.BAT"}));
}

TEST_F(WindowComforts, RightClickSelectsTheTabTheMenuActsOn) {
    startAdvanced({dir.write("A.BAT", "REM A\r\n")});
    open(dir.write("B.BAT", "REM B\r\n"));
    QTest::mouseClick(tabs(), Qt::RightButton, {}, tabs()->tabRect(0).center());
    EXPECT_EQ(tabs()->currentIndex(), 0);
    for (auto* entry : child<QMenu>("PopupMenu2")->actions())
        if (entry->text() == "&Close File") entry->trigger();
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"B.BAT"});
}

TEST_F(WindowComforts, TabsCloseByTheirButtonOrTheMiddleButtonAndSwitchByKeys) {
    startAdvanced({dir.write("A.BAT", "REM A\r\n")});
    open(dir.write("B.BAT", "REM B\r\n"));
    open(dir.write("C.BAT", "REM C\r\n"));
    editor()->setFocus();
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, Qt::ControlModifier},      {Qt::Key_PageDown, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}, {Qt::Key_PageUp, Qt::ControlModifier}};
    const int expected[] = {0, 1, 0, 2};
    for (std::size_t i = 0; i < 4; ++i) {
        QTest::keyClick(editor(), static_cast<Qt::Key>(keys[i].first), keys[i].second);
        EXPECT_EQ(tabs()->currentIndex(), expected[i]) << "key " << i;
    }
    auto* closeButton = tabs()->tabButton(0, QTabBar::RightSide);
    ASSERT_TRUE(closeButton);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"B.BAT", "C.BAT"}));
    QTest::mouseClick(tabs(), Qt::MiddleButton, {}, tabs()->tabRect(1).center());
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"B.BAT"});
}

TEST_F(WindowComforts, RedoFollowsUndoInTheEditMenuAndTheStatusBarShowsLineAndColumn) {
    startAdvanced({dir.write("A.BAT", "@ECHO OFF\r\nREM \xE9t\xE9\r\n")});
    const auto entries = child<QMenu>("EditMenu")->actions();
    EXPECT_EQ(entries.indexOf(action("Redo1")), entries.indexOf(action("Undo1")) + 1);
    editor()->setCursorPosition(1, 6); // after the two bytes of the first letter é
    // The editor reports a moved caret when it next updates.
    EXPECT_TRUE(QTest::qWaitFor([this] { return child<QLabel>("StatusPosition")->text() == "Ln 2, Col 6"; }, 2000))
        << child<QLabel>("StatusPosition")->text().toStdString();
}

// Under today's rules every command word is coloured as it is typed, as the check colours it.
TEST_F(WindowComforts, TypingColoursTheCommandWordsTheCheckColours) {
    settings.writeInteger("Options", "CheckRules", 2);
    settings.writeBool("Options", "CheckAsYouType", false);
    startAdvanced();
    editor()->setText("XCOPY A B\r\nSETLOCAL\r\nMORE < X\r\nCOPY A B");
    editor()->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    auto* lexer = editor()->lexer();
    const QColor command = lexer->color(2); // the batch lexer's keyword style
    for (int line = 0; line < 4; ++line) {
        const long start = editor()->positionFromLineIndex(line, 0);
        const int style = static_cast<int>(editor()->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, start));
        EXPECT_EQ(lexer->color(style), command) << "line " << line;
    }
}

TEST_F(WindowComforts, TypingChecksTheDocumentInTheBackgroundWithoutMovingTheCaret) {
    settings.writeInteger("Options", "CheckRules", 2);
    startAdvanced();
    editor()->setFocus();
    editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "GOTO NOWHERE");
    const auto caret = window->editorView().caret();
    ASSERT_TRUE(QTest::qWaitFor([&] { return problemCount() == "1 problem"; }, 10000));
    EXPECT_EQ(window->editorView().caret(), caret);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(problemsList()->model()->rowCount(), 1);
    const long labelAt = editor()->positionFromLineIndex(2, 5); // the missing label is underlined
    EXPECT_NE(indicatorsAt(labelAt) & ((1L << ERROR_UNDERLINE) | (1L << WARNING_UNDERLINE)), 0) << "a squiggle";
    EXPECT_NE(editor()->SendScintilla(QsciScintillaBase::SCI_MARKERGET, 2), 0) << "a marker";

    action("CheckAsYouType")->setChecked(false);
    editor()->setSelection(2, 0, 2, 12);
    QTest::keyClicks(editor(), "REM");
    QTest::qWait(900);
    EXPECT_EQ(problemCount(), "1 problem") << "with the option off, only F7 checks";
}

TEST_F(WindowComforts, TheTextStaysPutAsTheCheckAsYouTypeFindsProblemsAndTheyGo) {
    settings.writeInteger("Options", "CheckRules", 2);
    startAdvanced({dir.write("A.BAT", "@ECHO OFF\r\n")});
    const auto textStart = [&] {
        int width = 0;
        for (unsigned long margin = 0; margin < 5; ++margin)
            width += static_cast<int>(editor()->SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, margin));
        return width;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return problemCount() == "No problems"; }, 10000));
    const int before = textStart();
    editor()->setFocus();
    editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "GOTO NOWHERE");
    ASSERT_TRUE(QTest::qWaitFor([&] { return problemCount() == "1 problem"; }, 10000));
    EXPECT_EQ(textStart(), before) << "a first problem";
    editor()->setSelection(1, 0, 1, 12);
    QTest::keyClicks(editor(), "REM");
    ASSERT_TRUE(QTest::qWaitFor([&] { return problemCount() == "No problems"; }, 10000));
    EXPECT_EQ(textStart(), before) << "the last problem gone";
}

TEST_F(WindowComforts, FilesOpenAtExitComeBackWithTheFrontOneInFront) {
    startAdvanced({dir.write("A.BAT", "REM A\r\n")});
    open(dir.write("B.BAT", "REM B\r\n"));
    window->documents().newFile();
    tabs()->setCurrentIndex(1);
    prompter.answers = {Answer::Yes}; // exit
    ASSERT_TRUE(closeWindow());
    startAdvanced();
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"A.BAT", "B.BAT"}));
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(WindowComforts, ANamedFileTheOptionOffOrGarbageStoredOpenNoSession) {
    const auto a = dir.write("A.BAT", "REM A\r\n");
    settings.writeText("Session", "Files", a);
    startAdvanced({dir.write("C.BAT", "REM C\r\n")});
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"C.BAT"});

    settings.writeBool("Options", "RestoreSession", false);
    startAdvanced();
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat"});

    settings.writeBool("Options", "RestoreSession", true);
    settings.writeText("Session", "Files", "|%zz|\x01||" + dir.file("GONE.BAT"));
    settings.writeText("Session", "Front", "-5");
    startAdvanced();
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat"});
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WindowComforts, FindBarHighlightsEveryMatchWrapsWithANoticeAndSaysNotFound) {
    startAdvanced({dir.write("A.BAT", "copy a b\r\nXCOPY a b\r\nCOPY c d\r\n")});
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    auto* bar = child<QWidget>("FindBar");
    ASSERT_TRUE(bar && bar->isVisible());
    auto* field = bar->findChild<QLineEdit*>("FindText");
    EXPECT_TRUE(field->hasFocus());
    field->setText("copy");
    EXPECT_TRUE(highlighted(0) && highlighted(11) && highlighted(21)) << "every match, in either case";
    bar->findChild<QCheckBox*>("FindWholeWord")->setChecked(true);
    EXPECT_FALSE(highlighted(11)) << "inside XCOPY";

    auto* note = bar->findChild<QLabel*>("FindNote");
    window->editorView().setCaret(0);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(editor()->selectedText(), "copy");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window->editorView().selectionStart(), 21u);
    EXPECT_EQ(note->text(), "");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window->editorView().selectionStart(), 0u);
    EXPECT_EQ(note->text(), "Went on from the top");
    bar->findChild<QCheckBox*>("FindMatchCase")->setChecked(true);
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(window->editorView().selectionStart(), 0u) << "the only lower-case whole word";

    field->setText("zzz");
    EXPECT_EQ(note->text(), "\"zzz\" was not found");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(highlighted(0));
}

TEST_F(WindowComforts, AtItsSmallestTheFindBarShowsItsNotesInFull) {
    startAdvanced({dir.write("A.BAT", "copy a b\r\n")});
    window->resize(window->minimumSize());
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    auto* bar = child<QWidget>("FindBar");
    auto* field = bar->findChild<QLineEdit*>("FindText");
    auto* note = bar->findChild<QLabel*>("FindNote");
    const auto fits = [&] {
        QTest::qWait(50);
        return note->width() >= note->sizeHint().width() && note->geometry().right() <= bar->contentsRect().right();
    };
    field->setText("copy");
    window->editorView().setCaret(5);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_FALSE(note->text().isEmpty()) << "went round the end";
    EXPECT_TRUE(fits()) << note->text().toStdString();
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_FALSE(note->text().isEmpty()) << "went round the start";
    EXPECT_TRUE(fits()) << note->text().toStdString();
    field->setText("SETLOCAL ENABLEDELAYEDEXPANSION");
    EXPECT_TRUE(fits()) << note->text().toStdString();
}

} // namespace
