// One-line documents through the whole rule chain: the messages each draws
// (answering OK) and the spans it colours, row by row from data/rule_cases.txt.
#include "check_harness.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

namespace {

using namespace checker_test;

// "Q002 DIR": the message of that code, with DIR as its {text}.
core::checker::Finding expectedFinding(const std::string& value) {
    const auto blank = value.find(' ');
    const auto id = static_cast<core::checker::MessageId>(std::stoi(value.substr(1, 3)) - 1);
    return finding(id, 1, blank == std::string::npos ? "" : value.substr(blank + 1));
}

// "11 6" for a command span, "3 12 comment" for a comment.
Span expectedSpan(const std::string& value) {
    const auto words = testing_support::wordsOf(value);
    const auto role = words.size() > 2 && words[2] == "comment" ? ColourRole::Comment : ColourRole::Command;
    return {0, std::stoul(words.at(0)), std::stoul(words.at(1)), role};
}

TEST(RuleCases, EveryRowOfTheDataFile) {
    const auto cases = testing_support::readCases(CHECKER_TEST_DATA "/rule_cases.txt", {"colours"});
    EXPECT_EQ(cases.size(), 131u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Checked checked;
        checked.run({c.name});
        std::vector<core::checker::Finding> findings;
        for (const auto& value : c[""]) findings.push_back(expectedFinding(value));
        EXPECT_EQ(checked.result.findings, findings);
        std::vector<Span> spans;
        for (const auto& value : c["colours"]) spans.push_back(expectedSpan(value));
        EXPECT_EQ(checked.colours.spans, spans);
    }
}

} // namespace
