// The command interpreter rules: lines that must get a code (at a line and
// column) and real idioms that must get nothing.
#include "core/checker/check_harness.h"
#include "core/cmdcheck/cmd_checker.h"
#include "core/cmdcheck/findings.h"
#include "core/cmdcheck/parted_walk.h"
#include "core/text/lines.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

std::vector<core::checker::Finding> lint(const std::string& text, const std::vector<std::string>& ignored = {}) {
    checker_test::SpanRecorder colours;
    core::documents::PickLists lists;
    return core::cmdcheck::lintCmd(core::text::splitLines(text), colours, lists, ignored).findings;
}

// "code line:column" of each finding, one walk of the whole file.
std::string summary(const std::vector<core::checker::Finding>& findings) {
    std::string out;
    for (const auto& f : findings) out += f.code + " " + std::to_string(f.line) + ":" + std::to_string(f.column) + "; ";
    return out;
}

// The same file walked in parts, each label a jump names starting one where it can.
std::vector<core::checker::Finding> lintInParts(const std::vector<std::string>& lines) {
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    const auto index = core::cmdcheck::indexLines(views);
    checker_test::SpanRecorder colours;
    core::documents::PickLists lists;
    const std::vector<std::string> ignored;
    core::cmdcheck::PartedWalk walk(views, index, colours, lists, ignored, 1);
    for (std::size_t i = 0; i < walk.parts(); ++i) walk.join(walk.walk(i));
    return walk.finish().findings;
}

// Every rule of the list: each document it fires on gets its code on the
// line given (or its last line), each document it is quiet on gets no finding at all; walked in parts
// each gives the same findings.
TEST(CmdRules, EveryRuleFiresOnItsExamplesAndIsQuietOnTheOthers) {
    for (const auto& rule : core::cmdcheck::allCodes()) {
        SCOPED_TRACE(std::string(rule.id));
        EXPECT_FALSE(rule.firesOn.empty());
        EXPECT_FALSE(rule.quietOn.empty());
        for (const auto& example : rule.firesOn) {
            SCOPED_TRACE(std::string(example.text));
            const auto lines = core::text::splitLines(example.text);
            const auto findings = lint(std::string(example.text));
            const std::size_t line = example.line == 0 ? lines.size() : example.line;
            EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [&](const auto& f) {
                return f.code == rule.id && f.line == line;
            })) << summary(findings);
            EXPECT_EQ(summary(lintInParts(lines)), summary(findings));
        }
        for (const auto document : rule.quietOn) {
            SCOPED_TRACE(std::string(document));
            EXPECT_EQ(summary(lint(std::string(document))), "");
            EXPECT_EQ(summary(lintInParts(core::text::splitLines(document))), "");
        }
    }
    EXPECT_EQ(core::cmdcheck::codeDefOf("q113"), &core::cmdcheck::codeDef(core::cmdcheck::Code::IfEmptyOperand));
    EXPECT_EQ(core::cmdcheck::codeDefOf("Q999"), nullptr);
}

TEST(CmdRules, FaultsAreReportedWhereTheyAre) {
    const auto cases = testing_support::readCases(CMDCHECK_TEST_DATA "/faults.txt", {"text"});
    EXPECT_EQ(cases.size(), 35u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto expected = testing_support::wordsOf(c[""].at(0));
        const auto findings = lint(testing_support::joined(c["text"], "\n"));
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings[0].code + " " + findings[0].text);
        EXPECT_EQ(findings[0].code, expected.at(0));
        EXPECT_EQ(findings[0].line, std::stoul(expected.at(1)));
        EXPECT_EQ(findings[0].column, std::stoul(expected.at(2)));
    }
}

TEST(CmdRules, RealIdiomsAreQuiet) {
    const auto cases = testing_support::readCases(CMDCHECK_TEST_DATA "/idioms.txt", {"text"});
    EXPECT_EQ(cases.size(), 21u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto findings = lint(testing_support::joined(c["text"], "\n"));
        EXPECT_TRUE(findings.empty()) << findings[0].code << " line " << findings[0].line << ": " << findings[0].text;
    }
}

// A comment switching off many codes costs one look-up per finding (each
// finding used to search the whole list: minutes for this file).
TEST(CmdRules, LongSuppressionListIsLinear) {
    std::string text = "rem qlt: disable=";
    for (int i = 0; i < 100000; ++i) text += "Q999,";
    text += "Q101\n";
    for (int i = 0; i < 20000; ++i) text += "ECHP x\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(lint(text).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(CmdRules, SuppressionAndIgnoreListSilence) {
    EXPECT_TRUE(lint("REM qlt: disable=Q101\nECHP x\nECHP y").empty());
    const auto once = lint("cls\nREM qlt: disable=Q101\nECHP x\nECHP y");
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0].line, 4u);
    EXPECT_TRUE(lint("ECHP x", {"ECHP"}).empty());
    EXPECT_EQ(lint("ECHP x")[0].buttons, core::ports::Buttons::OkIgnoreAbort);
}

} // namespace
