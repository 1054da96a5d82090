// The fix of each code: tables of documents before and after, and the proof
// that every rule example with a fix loses its finding and gains none.
#include "core/checker/check_harness.h"
#include "core/cmdcheck/code_help.h"
#include "core/fixes/apply.h"
#include "core/fixes/builders.h"
#include "core/text/codepage.h"
#include "core/text/lines.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

using core::checker::RuleChoice;
using core::fixes::Safety;

std::map<std::string, std::size_t> codesFound(const std::string& text, RuleChoice rules) {
    std::map<std::string, std::size_t> out;
    for (const auto& f : checker_test::Linted(core::text::splitLines(text), rules).findings) ++out[f.code];
    return out;
}

RuleChoice rulesNamed(const std::string& name) { return name == "classic" ? RuleChoice::Classic : RuleChoice::Cmd; }

std::vector<core::fixes::Fix> fixesOfCode(const std::string& text, RuleChoice rules, const std::string& code) {
    auto fixes = core::fixes::fixesOfText(text, {.rules = rules, .suggested = true});
    std::erase_if(fixes, [&](const auto& fix) { return fix.code != code; });
    return fixes;
}

TEST(Fixes, EachCodeFixesAsWritten) {
    const auto cases = testing_support::readCases(FIXES_TEST_DATA "/fixes.txt", {"text", "fixed"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto head = testing_support::wordsOf(c[""].at(0));
        const std::string text = testing_support::joined(c["text"], "\n");
        const RuleChoice rules = rulesNamed(head.at(2));
        ASSERT_GT(codesFound(text, rules)[head[0]], 0u) << "the document must get " << head[0];
        const auto fixes = fixesOfCode(text, rules, head[0]);
        if (head[1] == "none") {
            EXPECT_TRUE(fixes.empty()) << fixes.front().title;
            continue;
        }
        ASSERT_FALSE(fixes.empty());
        EXPECT_EQ(fixes.front().safety, head[1] == "safe" ? Safety::Safe : Safety::Suggested);
        const auto outcome = core::fixes::fixText(text, {.rules = rules, .suggested = true});
        EXPECT_EQ(outcome.text, testing_support::joined(c["fixed"], "\n"));
        EXPECT_GT(outcome.applied.at(head[0]), 0u);
    }
}

TEST(Fixes, SuggestedFixesWaitUntilAskedFor) {
    const std::string text = "call :finsh\n:finish\nEXIT \\B 1";
    const auto safeOnly = core::fixes::fixText(text, {RuleChoice::Cmd, false, {}, 4});
    EXPECT_EQ(safeOnly.text, "call :finsh\n:finish\nEXIT /B 1");
    EXPECT_EQ(core::fixes::fixText(text, {RuleChoice::Cmd, true, {}, 4}).text, "call :finish\n:finish\nEXIT /B 1");
}

TEST(Fixes, SomeBuildersRecogniseWhatTheTextHolds) {
    const auto cases = testing_support::readCases(FIXES_TEST_DATA "/by_text.txt", {"text", "fixed"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto head = testing_support::wordsOf(c[""].at(0));
        std::vector<std::string_view> lines(c["text"].begin(), c["text"].end());
        core::checker::Finding finding;
        finding.line = 1;
        finding.code = head.at(0);
        finding.column = std::stoul(head.at(1));
        finding.length = std::stoul(head.at(2));
        const auto fixes = core::fixes::fixesFor(finding, lines);
        if (head.at(3) == "none") {
            EXPECT_TRUE(fixes.empty());
            continue;
        }
        ASSERT_EQ(fixes.size(), 1u);
        EXPECT_EQ(fixes[0].safety, head[3] == "safe" ? Safety::Safe : Safety::Suggested);
        // The checker reads Windows-1252; the document is UTF-8.
        const std::string text = core::text::toUtf8(testing_support::joined(c["text"], "\n"));
        const std::string fixed = core::fixes::applyEdits(text, fixes[0].edits);
        EXPECT_EQ(fixed.substr(0, fixed.find('\n')), core::text::toUtf8(c["fixed"].at(0)));
        finding.code = "Q104";
        EXPECT_TRUE(core::fixes::fixesFor(finding, lines).empty()) << "a listed code without a fix gets none";
    }
}

// Every rule example that has a fix: fixed, its finding is gone and no other
// finding came; fixing again changes nothing.
TEST(Fixes, RuleExamplesLoseTheirFindingAndGainNone) {
    std::set<std::string> proved;
    for (const auto& help : core::cmdcheck::allCodeHelp()) {
        const std::string code(help.code);
        const RuleChoice rules = rulesNamed(std::string(help.rules));
        bool fixedOne = false;
        for (const auto example : core::cmdcheck::firesOf(help)) {
            // Examples are Windows-1252, as the checker reads them; documents are UTF-8.
            const std::string text = core::text::toUtf8(std::string(example));
            if (fixesOfCode(text, rules, code).empty()) continue;
            SCOPED_TRACE(code + ": " + text);
            const auto before = codesFound(text, rules);
            const auto outcome = core::fixes::fixText(text, {.rules = rules, .suggested = true});
            const auto after = codesFound(outcome.text, rules);
            EXPECT_FALSE(after.contains(code)) << outcome.text;
            for (const auto& [other, count] : after) EXPECT_LE(count, before.contains(other) ? before.at(other) : 0u) << other;
            EXPECT_EQ(core::fixes::fixText(outcome.text, {.rules = rules, .suggested = true}).text, outcome.text);
            fixedOne = true;
        }
        if (fixedOne) proved.insert(code);
    }
    for (const auto safety : {Safety::Safe, Safety::Suggested})
        for (const auto code : core::fixes::codesWithFixes(safety))
            EXPECT_TRUE(proved.contains(std::string(code))) << code << " has no rule example that its fix puts right";
}

} // namespace
