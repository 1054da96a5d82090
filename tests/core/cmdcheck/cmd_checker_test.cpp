// What a cmd check leaves besides findings: colours, the lists, the choice of
// rules, the window's message boxes and the help topics of the codes.
#include "core/checker/check_harness.h"
#include "core/checker/editor_check.h"
#include "core/checker/rule_set.h"
#include "core/checker/syntax_checker.h"
#include "core/cmdcheck/cmd_checker.h"
#include "core/cmdcheck/code_help.h"
#include "support/case_file.h"
#include "core/text/lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

using core::checker::RuleChoice;
using core::checker::RuleSet;
using core::ports::ColourRole;

using checker_test::Span;

std::vector<std::string> split(std::string_view text) { return core::text::splitLines(text); }

bool has(const checker_test::SpanRecorder& colours, const Span& span) {
    return std::find(colours.spans.begin(), colours.spans.end(), span) != colours.spans.end();
}

TEST(CmdChecker, ColoursAndListsFollowTheParse) {
    checker_test::SpanRecorder colours;
    core::documents::PickLists lists;
    lists.variables = {"name"};
    core::cmdcheck::lintCmd(split(":Start\nset \"NAME=%~dp0x\"\nset /a COUNT+=1\nrem note\necho ^\n !X!"), colours,
                            lists, {});
    EXPECT_EQ(lists.labels, std::vector<std::string>{"Start"});
    EXPECT_EQ(lists.variables, (std::vector<std::string>{"name", "COUNT"}));
    EXPECT_TRUE(has(colours, Span(0, 0, 6, ColourRole::Label)));
    EXPECT_TRUE(has(colours, Span(1, 0, 3, ColourRole::Command)));
    EXPECT_TRUE(has(colours, Span(1, 4, 13, ColourRole::String)));
    EXPECT_TRUE(has(colours, Span(1, 10, 5, ColourRole::Variable)));
    EXPECT_TRUE(has(colours, Span(3, 0, 8, ColourRole::Comment)));
    EXPECT_FALSE(has(colours, Span(5, 1, 3, ColourRole::Variable))); // delayed expansion is off: a finding instead
}

TEST(CmdChecker, AutomaticPicksTheRulesPerFile) {
    const auto cases = testing_support::readCases(CMDCHECK_TEST_DATA "/rule_sets.txt", {"text"});
    EXPECT_EQ(cases.size(), 13u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_TRUE(c[""].at(0) == "cmd" || c[""].at(0) == "classic");
        const auto rules = c[""][0] == "cmd" ? RuleSet::Cmd : RuleSet::Classic;
        const auto& lines = c["text"];
        EXPECT_EQ(core::checker::pickRuleSet(lines, RuleChoice::Automatic), rules);
        const std::vector<std::string_view> views(lines.begin(), lines.end());
        EXPECT_EQ(core::checker::pickRuleSet(views, RuleChoice::Automatic), rules);
    }
    EXPECT_EQ(core::checker::pickRuleSet(split("setlocal"), RuleChoice::Classic), RuleSet::Classic);
    EXPECT_EQ(core::checker::pickRuleSet(split("CLS"), RuleChoice::Cmd), RuleSet::Cmd);
}

TEST(CmdChecker, WindowCheckAsksPerFindingAndIgnoreSilencesTheWord) {
    checker_test::EditorChecked e(split("ECHP a\nECHP b\ngoto nowhere"));
    e.prompter.answers = {core::ports::Answer::Ignore, core::ports::Answer::Ok};
    const auto lint = e.run({RuleChoice::Cmd, core::checker::ProblemReport::MessageBoxes});
    EXPECT_EQ(lint.rules, RuleSet::Cmd);
    EXPECT_EQ(e.ignored, std::vector<std::string>{"ECHP"});
    EXPECT_EQ(lint.result.findings.size(), 3u); // the list keeps every finding
    EXPECT_EQ(e.prompter.shown.size(), 3u);     // two boxes and the closing message
    EXPECT_EQ(lint.result.findings[2].code, "Q103");
}

// Each topic's example fires its code under its rules, and the other example does not.
TEST(CmdChecker, HelpExamplesFireAndPass) {
    for (const auto& help : core::cmdcheck::allCodeHelp()) {
        SCOPED_TRACE(std::string(help.code));
        const auto codes = [&](std::string_view text) {
            const auto lines = split(text);
            const auto choice = help.rules == "cmd" ? RuleChoice::Cmd : RuleChoice::Classic;
            checker_test::Linted linted(lines, choice);
            std::string all;
            for (const auto& f : linted.findings) all += f.code + " ";
            // The streaming check over views reports the same.
            const std::vector<std::string_view> views(lines.begin(), lines.end());
            core::checker::FindingList streamed;
            linted.ignored.clear();
            core::checker::lintLines(views, choice, linted.colours, linted.lists, linted.ignored, streamed);
            std::string again;
            for (const auto& f : streamed.findings) again += f.code + " ";
            EXPECT_EQ(again, all);
            return all;
        };
        for (const auto fires : core::cmdcheck::firesOf(help)) EXPECT_NE(codes(fires).find(help.code), std::string::npos);
        for (const auto passes : core::cmdcheck::passesOf(help)) EXPECT_EQ(codes(passes).find(help.code), std::string::npos);
    }
    EXPECT_EQ(core::cmdcheck::codeHelp("q113")->code, "Q113");
    EXPECT_EQ(core::cmdcheck::helpPageAnchor(*core::cmdcheck::codeHelp("Q113")), "codes.html#q113");
    EXPECT_EQ(core::cmdcheck::codeHelp("Q200"), nullptr);
}

// The help page is generated from the same table; regenerate it with
// QLT_WRITE_HELP=1 core_tests --gtest_filter=CmdChecker.HelpPageMatchesTheTable.
TEST(CmdChecker, HelpPageMatchesTheTable) {
    const std::string path = std::string(HELP_FOLDER) + "/codes.html";
    if (std::getenv("QLT_WRITE_HELP") != nullptr) std::ofstream(path, std::ios::binary) << core::cmdcheck::codeHelpPage();
    std::ifstream in(path, std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(page, core::cmdcheck::codeHelpPage());
}

} // namespace
