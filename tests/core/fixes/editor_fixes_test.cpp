// Fix and Fix All Like This in the editor: the finding checked afresh, the
// change made as one replacement that leaves the rest of the text alone.
#include "core/documents/memory_editor_view.h"
#include "core/fixes/editor_fixes.h"

#include <gtest/gtest.h>

namespace {

core::checker::Finding findingAt(std::string code, std::size_t line, std::size_t column) {
    core::checker::Finding finding;
    finding.code = std::move(code);
    finding.line = line;
    finding.column = column;
    return finding;
}

const core::fixes::FixRequest CMD{.rules = core::checker::RuleChoice::Cmd};

TEST(EditorFixes, FixChangesOnlyItsFinding) {
    core::documents::MemoryEditorView view({"setlocal", "REM \xC3\xA9t\xC3\xA9", "goto :finsh", ":finish", "EXIT \\B 1", "exit \\b 2"});
    // A suggested fix is what Fix makes when the finding has no safe one.
    EXPECT_TRUE(core::fixes::fixInEditor(view, findingAt("Q103", 3, 6), CMD));
    EXPECT_TRUE(core::fixes::fixInEditor(view, findingAt("Q102", 5, 6), CMD));
    EXPECT_EQ(view.lines(), (std::vector<std::string>{"setlocal", "REM \xC3\xA9t\xC3\xA9", "goto :finish", ":finish", "EXIT /B 1", "exit \\b 2"}));
    // Gone, or moved since the check: nothing to do.
    EXPECT_FALSE(core::fixes::fixInEditor(view, findingAt("Q102", 5, 6), CMD));
    EXPECT_FALSE(core::fixes::fixInEditor(view, findingAt("Q102", 6, 1), CMD));
}

TEST(EditorFixes, FixAllLikeThisFixesEveryFindingOfTheCode) {
    core::documents::MemoryEditorView view({"setlocal", "IF x==y (", ")", "ELSE (", ")", "IF x==y EXIT \\B 1", "exit -b 2"});
    EXPECT_EQ(core::fixes::fixAllLikeInEditor(view, "Q102", CMD), 2u);
    EXPECT_EQ(view.lines(), (std::vector<std::string>{"setlocal", "IF x==y (", ")", "ELSE (", ")", "IF x==y EXIT /B 1", "exit /b 2"}));
    EXPECT_EQ(core::fixes::fixAllLikeInEditor(view, "Q106", CMD), 1u);
    EXPECT_EQ(view.lines(), (std::vector<std::string>{"setlocal", "IF x==y (", ") ELSE (", ")", "IF x==y EXIT /B 1", "exit /b 2"}));
    EXPECT_EQ(core::fixes::fixAllLikeInEditor(view, "Q106", CMD), 0u);
}

} // namespace
