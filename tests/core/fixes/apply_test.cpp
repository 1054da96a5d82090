// Applying edits to a document's text, choosing fixes that can go together,
// and the rounds of check-then-fix.
#include "core/fixes/apply.h"

#include <gtest/gtest.h>

namespace {

using core::fixes::Edit;
using core::fixes::Fix;

Fix fixOf(std::string code, std::vector<Edit> edits) {
    Fix fix;
    fix.code = std::move(code);
    fix.edits = std::move(edits);
    return fix;
}

Edit edit(std::size_t line, std::size_t column, std::size_t endLine, std::size_t endColumn, std::string text) {
    return {{line, column}, {endLine, endColumn}, std::move(text)};
}

TEST(ApplyEdits, KeepsLineBreaksAndCountsCharacters) {
    // CR LF, CR and LF breaks stay; columns count characters of UTF-8 text.
    const std::string text = "ECHO \xC3\xA9t\xC3\xA9\r\nELSE\rb\nlast";
    EXPECT_EQ(core::fixes::applyEdits(text, {edit(0, 5, 0, 8, "x")}), "ECHO x\r\nELSE\rb\nlast");
    EXPECT_EQ(core::fixes::applyEdits(text, {edit(0, 8, 1, 0, " ")}), "ECHO \xC3\xA9t\xC3\xA9 ELSE\rb\nlast");
    EXPECT_EQ(core::fixes::applyEdits(text, {edit(2, 0, 2, 1, "c"), edit(3, 4, 3, 4, "!"), edit(0, 0, 0, 0, "@")}),
              "@ECHO \xC3\xA9t\xC3\xA9\r\nELSE\rc\nlast!");
}

TEST(ApplyEdits, PlacesPastTheEndStopThere) {
    EXPECT_EQ(core::fixes::applyEdits("ab\n", {edit(0, 9, 0, 9, "\"")}), "ab\"\n");
    EXPECT_EQ(core::fixes::applyEdits("ab\n", {edit(5, 0, 5, 0, "x")}), "ab\nx");
    EXPECT_EQ(core::fixes::applyEdits("ab", {edit(0, 2, 0, 1, "x")}), "abx") << "an end before the start inserts";
}

TEST(CompatibleFixes, LeavesFixesThatTouchAnEarlierOneForLater) {
    const Fix first = fixOf("Q1", {edit(0, 2, 0, 4, "x")});
    const Fix touching = fixOf("Q2", {edit(0, 4, 0, 4, "y")});
    const Fix apart = fixOf("Q3", {edit(0, 6, 0, 7, "z"), edit(1, 0, 1, 0, "w")});
    const Fix overlapping = fixOf("Q4", {edit(2, 0, 2, 0, ""), edit(0, 3, 0, 3, "v")});
    const auto taken = core::fixes::compatibleFixes({apart, overlapping, touching, first, fixOf("Q5", {})});
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].code, "Q1");
    EXPECT_EQ(taken[1].code, "Q3");
}

TEST(FixText, RepeatsUntilNothingMoreApplies) {
    // The misspelt GOTO is put right first; only then is its label looked for.
    const core::fixes::FixRequest all{.rules = core::checker::RuleChoice::Cmd, .suggested = true};
    const auto outcome = core::fixes::fixText("GOOT finsh\n:finish\nEXIT \\B", all);
    EXPECT_EQ(outcome.text, "GOTO finish\n:finish\nEXIT /B");
    EXPECT_EQ(outcome.rounds, 2u);
    EXPECT_EQ(outcome.applied.at("Q101"), 1u);
    EXPECT_EQ(outcome.applied.at("Q102"), 1u);
    EXPECT_EQ(outcome.applied.at("Q103"), 1u);
    EXPECT_EQ(core::fixes::fixText("GOOT finsh\n:finish", {.rules = core::checker::RuleChoice::Cmd, .suggested = true, .maxRounds = 1}).text,
              "GOTO finsh\n:finish");
    EXPECT_FALSE(core::fixes::fixText("ECHO fine", all).changed());
}

} // namespace
