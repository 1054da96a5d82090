#include "platform/scintilla_editor_view.h"
#include "support/colour_roles.h"

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

using core::ports::ColourRole;
using Lines = std::vector<std::string>;

class ScintillaView : public ::testing::Test {
protected:
    QsciScintilla widget;
    platform::ScintillaEditorView view{&widget};
};

TEST_F(ScintillaView, EveryWindows1252ByteRoundTripsAndCountsAsOneOffset) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') all += static_cast<char>(b);
    view.setLines({all, "\x80\xA7", ""});
    EXPECT_EQ(view.lines(), (Lines{all, "\x80\xA7", ""}));
    EXPECT_EQ(view.lineCount(), 3u);
    EXPECT_EQ(view.line(1), "\x80\xA7");
    view.select(all.size() + 2, 2); // the line break counts two
    EXPECT_EQ(view.selectedText(), "\x80\xA7");
    EXPECT_EQ(view.selectionStart(), all.size() + 2);
    EXPECT_EQ(view.selectionLength(), 2u);
    EXPECT_FALSE(view.modified());
    EXPECT_FALSE(widget.isUndoAvailable());
}

TEST_F(ScintillaView, EditsAreUndoableAndMarkTheTextModified) {
    view.setLines({"\xE9t\xE9", "b"});
    view.setCaret(1);
    view.replaceSelection("\x80");
    EXPECT_EQ(view.lines(), (Lines{"\xE9\x80t\xE9", "b"}));
    EXPECT_EQ(view.caret(), 2u);
    view.appendLine("c");
    EXPECT_EQ(view.lines(), (Lines{"\xE9\x80t\xE9", "b", "c"}));
    EXPECT_TRUE(view.modified());
    widget.undo();
    widget.undo();
    EXPECT_EQ(view.lines(), (Lines{"\xE9t\xE9", "b"}));
    view.setModified(false);
    EXPECT_FALSE(view.modified());
    view.setModified(true); // a parked document that was modified comes back modified
    EXPECT_TRUE(view.modified());
}

TEST_F(ScintillaView, TypedCharactersOutsideTheCodePageAreReportedWithTheirLine) {
    view.setLines({"a", "b\x80"});
    EXPECT_FALSE(view.firstUnencodable());
    widget.setCursorPosition(1, 1);
    widget.insert(QString::fromUtf8("\u03C8\u4E2D"));
    const auto bad = view.firstUnencodable();
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->character, U'\u03C8');
    EXPECT_EQ(bad->line, 2u);
    EXPECT_EQ(view.lines(), (Lines{"a", "b\x80"}));
}

TEST_F(ScintillaView, AnEmptyTextHasNoLinesAndAppendingGivesTheFirst) {
    view.setLines({});
    EXPECT_EQ(view.lineCount(), 0u);
    EXPECT_EQ(view.lines(), Lines{});
    view.appendLine("first");
    EXPECT_EQ(view.lines(), Lines{"first"});
}

TEST_F(ScintillaView, ColourSpansMarkTheirRoleOnlyAndStayInTheirLine) {
    view.setLines({"\xA7 ECHO", ":LABEL", "REM x"});
    view.resetColours();
    view.colourSpan({0, 2, 4, ColourRole::Command});
    view.colourSpan({1, 0, 99, ColourRole::Label});
    view.colourSpan({2, 0, 5, ColourRole::Comment});
    view.colourSpan({7, 0, 5, ColourRole::Comment}); // no such line: nothing
    // Role per widget position: the widget holds UTF-8, so "\xA7" takes two.
    std::string styles;
    for (long p = 0; p < widget.SendScintilla(QsciScintillaBase::SCI_GETLENGTH); ++p)
        styles += testing_support::roleAt(widget, p);
    EXPECT_EQ(styles, "00" "0" "1111" "00" "222222" "00" "33333");
    EXPECT_FALSE(view.modified());
    EXPECT_FALSE(widget.isUndoAvailable());
}

} // namespace
