// The command interpreter rules: lines that must get a code (at a line and
// column) and real idioms that must get nothing.
#include "core/checker/check_harness.h"
#include "core/cmdcheck/cmd_checker.h"
#include "core/text/lines.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

namespace {

std::vector<core::checker::Finding> lint(const std::string& text, const std::vector<std::string>& ignored = {}) {
    checker_test::SpanRecorder colours;
    core::documents::PickLists lists;
    return core::cmdcheck::lintCmd(core::text::splitLines(text), colours, lists, ignored).findings;
}

TEST(CmdRules, FaultsAreReportedWhereTheyAre) {
    const auto cases = testing_support::readCases(CMDCHECK_TEST_DATA "/faults.txt", {"text"});
    EXPECT_EQ(cases.size(), 36u);
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

TEST(CmdRules, SuppressionAndIgnoreListSilence) {
    EXPECT_TRUE(lint("REM qlt: disable=Q101\nECHP x\nECHP y").empty());
    const auto once = lint("cls\nREM qlt: disable=Q101\nECHP x\nECHP y");
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0].line, 4u);
    EXPECT_TRUE(lint("ECHP x", {"ECHP"}).empty());
    EXPECT_EQ(lint("ECHP x")[0].buttons, core::ports::Buttons::OkIgnoreAbort);
}

} // namespace
