// The Advanced layout's editor: document tabs, find, replace, go to line,
// printing, the syntax check's colours, editor options and shortcuts.
#include "window_fixture.h"

#include "support/colour_roles.h"
#include "support/process.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTimer>
#include <QPushButton>

using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;
using testing_support::WindowTest;

namespace {

class Editor : public WindowTest {
protected:
    //! Starts on Advanced with a file of these bytes open as the only document.
    void openText(const std::string& bytes, const char* name = "doc.bat") {
        startAdvanced({dir.write(name, bytes)});
    }
    //! The check's colour role of every character of the text, one digit each, lines joined by '|'.
    std::string styles() const {
        std::string out;
        const auto text = editor()->text();
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') continue;
            out += text[i] == '\n' ? '|' : testing_support::roleAt(*editor(), i);
        }
        return out;
    }
    void findNext(const QString& text) {
        window->EditFind1Execute();
        auto* bar = child<QWidget>("FindBar");
        bar->findChild<QLineEdit*>("FindText")->setText(text);
        QTest::keyClick(bar->findChild<QLineEdit*>("FindText"), Qt::Key_Return);
    }
    void replace(const QString& find, const QString& with, const char* button) {
        window->Replace1Click();
        auto* dialog = child<QDialog>("ReplaceDialog1");
        dialog->findChild<QLineEdit*>("FindText")->setText(find);
        dialog->findChild<QLineEdit*>("ReplaceText")->setText(with);
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    std::pair<std::size_t, std::size_t> selection() const {
        auto& view = window->editorView();
        return {view.selectionStart(), view.selectionLength()};
    }
};

TEST_F(Editor, TypingMarksTheTabOnceAndSwitchingBackKeepsTextCaretAndMark) {
    startAdvanced();
    editor()->setFocus();
    editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClicks(editor(), "ab");
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat*"});
    const auto caret = window->editorView().caret();
    EXPECT_EQ(caret, 19u);

    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"Untitled.bat*", "Untitled1.bat"}));
    tabs()->setCurrentIndex(0);
    EXPECT_EQ(editor()->text(), "@ECHO OFF\r\n:STARTab");
    EXPECT_EQ(window->editorView().caret(), caret);
    EXPECT_TRUE(editor()->isUndoAvailable()) << "each tab keeps its undo history";
}

// The rules of find, replace and go to line are tested headless in core; these
// cases check that the Find bar, the dialog and the input box reach them.
TEST_F(Editor, FindBarAndReplaceDialogReachTheDocumentAndReplaceAllIsOneUndoStep) {
    openText("set a=1\r\nSET b=2\r\nset aa\r\n");
    findNext("set");
    EXPECT_EQ(selection(), std::make_pair(std::size_t{0}, std::size_t{3}));
    replace("set", "rem", "Replace");
    EXPECT_EQ(editor()->text(), "rem a=1\r\nSET b=2\r\nset aa");
    replace("a", "b", "ReplaceAll");
    EXPECT_EQ(editor()->text(), "rem b=1\r\nSET b=2\r\nset bb");
    editor()->undo();
    EXPECT_EQ(editor()->text(), "rem a=1\r\nSET b=2\r\nset aa");
    replace("zz", "b", "Replace"); // none: a beep, no change
    EXPECT_EQ(editor()->text(), "rem a=1\r\nSET b=2\r\nset aa");
    EXPECT_TRUE(prompter.shown.empty());
}

// One entry per branch of the command: a line, not a number, no such line, Cancel.
TEST_F(Editor, GoToLineMovesTheCaretOrExplains) {
    openText("a=1\r\nb=2\r\nc=3\r\n");
    prompter.inputs = {"3", "3x", "4", std::nullopt};
    for (int i = 0; i < 4; ++i) QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->editorView().caret(), 10u);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "'3x' is not a valid integer value.");
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.shown[1].text, "The line \"4\" does not exist.");
    EXPECT_EQ(prompter.shown[1].kind, MessageKind::Warning);
}

TEST_F(Editor, PrintUsesTheJobTitleAndTheEditorText) {
    const auto pdf = dir.file("out.pdf");
    printer.setOutputFile(QString::fromStdString(pdf));
    openText("@ECHO OFF\r\nECHO Printed line\r\n", "a.bat");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(dir.read("out.pdf").substr(0, 5), "%PDF-");
    if (testing_support::runCommand("pdfinfo -v").status != 0) GTEST_SKIP() << "pdfinfo cannot be run here";
    const auto info = testing_support::runCommand("pdfinfo " + testing_support::shellQuote(pdf));
    EXPECT_NE(info.out.find("Title:           Quillet: " + dir.file("a.bat") + "\n"), std::string::npos) << info.out;
    const auto text = testing_support::runCommand("pdftotext -layout " + testing_support::shellQuote(pdf) + " -");
    EXPECT_NE(text.out.find("@ECHO OFF\nECHO Printed line"), std::string::npos) << text.out;
}

TEST_F(Editor, PrintingWithoutAPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    startAdvanced();
    window->FilePrintExecute();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.shown[0].text.rfind("There is no printer installed.", 0), 0u) << prompter.shown[0].text;
}

TEST_F(Editor, CheckColoursCommandsLabelsAndCommentsWithoutAnEdit) {
    settings.writeText("Options", "CmdText", "clRed");
    openText("@ECHO OFF\r\n:START\r\n   REM note\r\nCLS\r\nDIR\r\n");
    window->editorView().select(3, 2);
    prompter.answers = {Answer::Ok};
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(styles(), "011110000|222222|00033333333|111|000");
    EXPECT_EQ(prompter.texts().back(), "The syntax check is complete.");
    EXPECT_EQ(prompter.shown.back().kind, MessageKind::Information);
    EXPECT_EQ(prompter.shown.front().buttons, Buttons::OkIgnoreAbort); // DIR alone is not a command
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"doc.bat"});
    EXPECT_FALSE(editor()->isUndoAvailable());
    EXPECT_EQ(selection(), std::make_pair(std::size_t{3}, std::size_t{2})) << "the selection comes back";
    EXPECT_EQ(window->pickLists().labels, std::vector<std::string>{"START"});
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_INDICGETFORE, testing_support::COMMAND_INDICATOR), 0x0000FF);
}

TEST_F(Editor, CheckFromTheEasyLayoutSwitchesToTheEditor) {
    startAdvanced();
    QTest::keyClick(window.get(), Qt::Key_F3);
    ASSERT_EQ(activePage(), "Easy");
    window->BatchSyntaxCheckExecute();
    EXPECT_EQ(activePage(), "Advanced");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"The syntax check is complete."});
}

TEST_F(Editor, EmptyStoreColoursRolesVisiblyAndOptionsDialogWritesExactlyItsValues) {
    startAdvanced();
    const auto text = QApplication::palette().color(QPalette::Text);
    for (int role = 0; role < 3; ++role)
        EXPECT_NE(editor()->SendScintilla(QsciScintillaBase::SCI_INDICGETFORE, testing_support::COMMAND_INDICATOR + role),
                  text.red() | text.green() << 8 | text.blue() << 16) << role;
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0), 10);

    // OK after changing only the command colour writes all five colours, no font.
    prompter.colourAnswers = {core::settings::ColourValue::fixed(0x00FF00)};
    QTimer::singleShot(0, [this] {
        auto* dialog = child<QDialog>("TForm7");
        QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn6"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    });
    window->EditorOptions1Click();
    const std::map<core::settings::MemorySettingsStore::Key, std::string> options = {
        {{"Options", "Background"}, "clWindow"}, {{"Options", "Text"}, "clWindowText"},
        {{"Options", "CmdText"}, "clLime"},      {{"Options", "LabelText"}, "$000070C0"},
        {{"Options", "CmtText"}, "$00408000"},
    };
    for (const auto& [key, value] : options) EXPECT_EQ(stored(key.first.c_str(), key.second.c_str()), value);
    EXPECT_EQ(stored("Options", "FontName"), "<absent>");
    EXPECT_EQ(stored("Options", "FontSize"), "<absent>");

    // Cancel after choosing a colour and a font writes nothing.
    const auto before = settings.values();
    prompter.colourAnswers = {core::settings::ColourValue::fixed(0x0000FF)};
    prompter.fontAnswers = {core::ports::FontChoice{"DejaVu Sans Mono", 14}};
    QTimer::singleShot(0, [this] {
        auto* dialog = child<QDialog>("TForm7");
        QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn4"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    });
    window->EditorOptions1Click();
    EXPECT_EQ(settings.values(), before);
}

TEST_F(Editor, AMissingStoredFontFallsBackWithoutChangingTheStore) {
    settings.writeText("Options", "FontName", "No Such Font Family");
    settings.writeInteger("Options", "FontSize", 12);
    startAdvanced();
    char family[128] = {};
    editor()->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, 0ul, static_cast<void*>(family));
    EXPECT_EQ(QString::fromUtf8(family), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0), 12);
    EXPECT_EQ(stored("Options", "FontName"), "No Such Font Family");
}

} // namespace
