// Find, replace and go to line over an editor held in memory.
#include "core/documents/editor_commands.h"
#include "core/documents/memory_editor_view.h"

#include <gtest/gtest.h>

namespace {

using core::documents::MemoryEditorView;
using Selection = std::pair<std::size_t, std::size_t>;

Selection selection(const MemoryEditorView& view) { return {view.selectionStart(), view.selectionLength()}; }

TEST(EditorCommands, FindNextStartsAtTheTopWhenNothingIsSelectedAndNeverWraps) {
    MemoryEditorView view({"set a=1", "SET b=2", "set c=3"});
    view.setCaret(12); // inside line 2, nothing selected
    EXPECT_TRUE(core::documents::findNext(view, "set"));
    EXPECT_EQ(selection(view), Selection(0, 3));
    EXPECT_TRUE(core::documents::findNext(view, "set")); // case-sensitive: SET is passed over
    EXPECT_EQ(selection(view), Selection(18, 3));
    EXPECT_FALSE(core::documents::findNext(view, "set"));
    EXPECT_EQ(selection(view), Selection(18, 3));
    EXPECT_FALSE(core::documents::findNext(view, ""));
}

TEST(EditorCommands, ReplaceTakesTheFirstOccurrenceWhateverIsSelected) {
    MemoryEditorView view({"xA", "A"});
    view.select(4, 1);
    EXPECT_TRUE(core::documents::replaceFirst(view, "A", "B"));
    EXPECT_EQ(view.text(), "xB\r\nA");
    EXPECT_TRUE(core::documents::replaceFirst(view, "A", "B"));
    EXPECT_FALSE(core::documents::replaceFirst(view, "A", "B"));
    EXPECT_FALSE(core::documents::replaceFirst(view, "", "B"));
    EXPECT_EQ(view.text(), "xB\r\nB");
}

TEST(EditorCommands, ReplaceAllTakesNonOverlappingOccurrencesLeftToRight) {
    MemoryEditorView view({"aa aaa", "a"});
    EXPECT_EQ(core::documents::replaceAll(view, "aa", "b"), 2u);
    EXPECT_EQ(view.text(), "b ba\r\na");
    EXPECT_EQ(core::documents::replaceAll(view, "zz", "b"), 0u);
    EXPECT_EQ(core::documents::replaceAll(view, "", "b"), 0u);
    EXPECT_EQ(view.text(), "b ba\r\na");
}

TEST(EditorCommands, ParseIntegerReadsOnlyAWholeNumber) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"007", 7},   {"  -3", -3},          {"+5", 5},           {"", std::nullopt},
        {"   ", std::nullopt}, {"+", std::nullopt}, {"+-1", std::nullopt}, {"++1", std::nullopt},
        {"3x", std::nullopt},  {"3 ", std::nullopt}, {"-", std::nullopt},   {"99999999999", std::nullopt},
    };
    for (const auto& [entry, value] : cases) EXPECT_EQ(core::documents::parseInteger(entry), value) << entry;
}

TEST(EditorCommands, GoToLinePutsTheCaretAtTheLineStartOrRefuses) {
    std::vector<std::string> ten;
    for (int i = 1; i <= 10; ++i) ten.push_back("line" + std::to_string(i));
    MemoryEditorView view(ten);
    view.select(3, 2);
    EXPECT_TRUE(core::documents::goToLine(view, 7));
    EXPECT_EQ(view.caret(), 42u);
    EXPECT_EQ(view.selectionLength(), 0u);
    EXPECT_FALSE(core::documents::goToLine(view, 0));
    EXPECT_FALSE(core::documents::goToLine(view, 11));
    EXPECT_EQ(view.caret(), 42u);
}

} // namespace
