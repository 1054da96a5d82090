// The Find bar's searches: letter case, whole words, both directions, wrapping,
// and what the bar says about the outcome.
#include "core/documents/text_search.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using core::documents::FindOutcome;
using core::documents::SearchOptions;
using core::documents::TextMatch;

namespace {

std::string describe(const FindOutcome& outcome) {
    if (!outcome.match) return "none";
    return std::to_string(outcome.match->start) + " " + std::to_string(outcome.match->length) +
           (outcome.wrapped ? " wrapped" : "");
}

} // namespace

TEST(TextSearch, FindsFromAPlaceWithTheOptionsGiven) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/text_searches.txt",
                                                  {"needle", "options", "from", "expect"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto options = testing_support::wordsOf(c["options"].at(0));
        const auto has = [&](const char* word) { return std::find(options.begin(), options.end(), word) != options.end(); };
        const SearchOptions search{has("case"), has("word")};
        const auto outcome = core::documents::findFrom(c[""].at(0), c["needle"].at(0), search,
                                                       std::stoul(c["from"].at(0)), has("back"));
        EXPECT_EQ(describe(outcome), c["expect"].at(0));
    }
}

TEST(TextSearch, AllMatchesAreFoundForHighlightingWithoutOverlap) {
    const std::vector<TextMatch> expected = {{0, 2}, {2, 2}};
    EXPECT_EQ(core::documents::findAll("aaaaa", "aa", {true, false}), expected);
    EXPECT_TRUE(core::documents::findAll("COPY", "", {}).empty());
}

TEST(TextSearch, TheNoteSaysWhenTheSearchWrappedOrFoundNothing) {
    EXPECT_EQ(core::documents::findNote({TextMatch{0, 1}, false}, "x", false), "");
    EXPECT_EQ(core::documents::findNote({TextMatch{0, 1}, true}, "x", false), "Went on from the top");
    EXPECT_EQ(core::documents::findNote({TextMatch{0, 1}, true}, "x", true), "Went on from the bottom");
    EXPECT_EQ(core::documents::findNote({}, "xcopy", false), "\"xcopy\" was not found");
    // A long text keeps its first ten characters (letters, not bytes) and an ellipsis.
    EXPECT_EQ(core::documents::findNote({}, "\u00e9\u00e9\u00e94567890", false), "\"\u00e9\u00e9\u00e94567890\" was not found");
    EXPECT_EQ(core::documents::findNote({}, "\u00e9\u00e9\u00e945678901", false),
              "\"\u00e9\u00e9\u00e94567890\u2026\" was not found");
}
