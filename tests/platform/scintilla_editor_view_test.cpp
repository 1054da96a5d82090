#include "platform/scintilla_editor_view.h"
#include "support/colour_roles.h"

#include <Qsci/qsciscintilla.h>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using core::ports::ColourRole;
using Lines = std::vector<std::string>;

class ScintillaView : public ::testing::Test {
protected:
    QsciScintilla widget;
    platform::ScintillaEditorView view{&widget};
};

TEST_F(ScintillaView, Utf8TextRoundTripsAndOffsetsCountBytes) {
    const std::string first = "\xC3\xA9\xE2\x82\xAC\xD0\x9F"; // é€П: 2 + 3 + 2 bytes
    view.setLines({first, "b", ""});
    EXPECT_EQ(view.lines(), (Lines{first, "b", ""}));
    EXPECT_EQ(view.lineCount(), 3u);
    EXPECT_EQ(view.line(0), first);
    view.select(first.size() + 2, 1); // the line break counts two
    EXPECT_EQ(view.selectedText(), "b");
    EXPECT_EQ(view.selectionStart(), 9u);
    EXPECT_EQ(view.selectionLength(), 1u);
    EXPECT_FALSE(view.modified());
    EXPECT_FALSE(widget.isUndoAvailable());
    widget.setCursorPosition(1, 1);
    widget.insert(QString::fromUtf8("\u4E2D")); // typed text outside every code page reaches core
    EXPECT_EQ(view.line(1), "b\xE4\xB8\xAD");
}

TEST_F(ScintillaView, EditsAreUndoableAndMarkTheTextModified) {
    view.setLines({"\xC3\xA9t\xC3\xA9", "b"});
    view.setCaret(2);
    view.replaceSelection("\xE2\x82\xAC");
    EXPECT_EQ(view.lines(), (Lines{"\xC3\xA9\xE2\x82\xACt\xC3\xA9", "b"}));
    EXPECT_EQ(view.caret(), 5u);
    view.appendLine("c");
    EXPECT_EQ(view.lines(), (Lines{"\xC3\xA9\xE2\x82\xACt\xC3\xA9", "b", "c"}));
    EXPECT_TRUE(view.modified());
    widget.undo();
    widget.undo();
    EXPECT_EQ(view.lines(), (Lines{"\xC3\xA9t\xC3\xA9", "b"}));
    view.setModified(false);
    EXPECT_FALSE(view.modified());
    view.setModified(true); // a parked document that was modified comes back modified
    EXPECT_TRUE(view.modified());
}

TEST_F(ScintillaView, AnEmptyTextHasNoLinesAndAppendingGivesTheFirst) {
    view.setLines({});
    EXPECT_EQ(view.lineCount(), 0u);
    EXPECT_EQ(view.lines(), Lines{});
    view.appendLine("first");
    EXPECT_EQ(view.lines(), Lines{"first"});
}

TEST_F(ScintillaView, ColourSpansMarkTheirRoleOnlyAndStayInTheirLine) {
    view.setLines({"\xC2\xA7 ECHO", ":LABEL", "REM x"});
    view.resetColours();
    view.colourSpan({0, 3, 4, ColourRole::Command}); // byte columns: "§" takes two
    view.colourSpan({1, 0, 99, ColourRole::Label});
    view.colourSpan({2, 0, 5, ColourRole::Comment});
    view.colourSpan({7, 0, 5, ColourRole::Comment}); // no such line: nothing
    // Role per widget position (byte).
    std::string styles;
    for (long p = 0; p < widget.SendScintilla(QsciScintillaBase::SCI_GETLENGTH); ++p)
        styles += testing_support::roleAt(widget, p);
    EXPECT_EQ(styles, "00" "0" "1111" "00" "222222" "00" "33333");
    EXPECT_FALSE(view.modified());
    EXPECT_FALSE(widget.isUndoAvailable());
}

// A big document takes a check's colours while idle; an edit first puts every
// waiting span in, on the text it was made for.
TEST_F(ScintillaView, ABigDocumentsColoursGoInBeforeAnEditAndWhileIdle) {
    view.setLines(Lines(30000, "REM x"));
    const std::vector<core::ports::ColourSpan> spans = {{29999, 0, 3, ColourRole::Comment}};
    const auto roleOfLine = [&](long line) {
        return testing_support::roleAt(widget, widget.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
    };
    view.colourSpans(spans);
    ASSERT_TRUE(view.coloursPending());
    view.replaceSelection("X\r\n");
    EXPECT_FALSE(view.coloursPending());
    EXPECT_EQ(std::string() + roleOfLine(29999) + roleOfLine(30000), "03");
    view.resetColours();
    view.colourSpans(spans);
    while (view.coloursPending()) QCoreApplication::processEvents();
    EXPECT_EQ(roleOfLine(29999), '3');
}

} // namespace
