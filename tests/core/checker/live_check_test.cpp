// Checking as you type: a snapshot's findings, colours and underlines, which
// results still fit the document in front, the colours shown while typing, and
// the Problems list of each document.
#include "check_harness.h"
#include "core/checker/document_problems.h"
#include "core/checker/live_check.h"
#include "core/checker/typing_colours.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>

using core::checker::RuleChoice;
using core::checker::RuleSet;
using core::checker::Severity;
using core::checker::Underline;
using core::ports::ColourRole;

namespace {

core::checker::Snapshot snapshotOf(std::string text, RuleChoice rules = RuleChoice::Cmd) {
    core::checker::Snapshot snapshot;
    snapshot.document = 7;
    snapshot.generation = 3;
    snapshot.text = std::move(text);
    snapshot.rules = rules;
    return snapshot;
}

// True when the check colours the first `length` characters of the one line as a command.
bool colouredAsCommand(const std::string& line, std::size_t length, RuleSet rules) {
    // The label lets GOTO A be valid.
    const checker_test::Linted linted({line, ":A"}, rules == RuleSet::Cmd ? RuleChoice::Cmd : RuleChoice::Classic);
    return std::ranges::any_of(linted.colours.spans, [&](const checker_test::Span& span) {
        return std::get<1>(span) == 0 && std::get<2>(span) >= length && std::get<3>(span) == ColourRole::Command;
    });
}

core::checker::Finding findingAt(std::size_t line, std::size_t column, std::size_t length, Severity severity) {
    core::checker::Finding finding;
    finding.line = line;
    finding.column = column;
    finding.length = length;
    finding.severity = severity;
    return finding;
}

} // namespace

TEST(LiveCheck, ASnapshotGivesFindingsColoursAndUnderlinesInBytes) {
    // "é" takes two bytes: columns after it move by one.
    const auto result = core::checker::checkSnapshot(snapshotOf("@ECHO OFF\r\nREM \xC3\xA9\r\nGOTO NOWHERE"));
    EXPECT_EQ(result.document, 7u);
    EXPECT_EQ(result.generation, 3u);
    EXPECT_EQ(result.rules, RuleSet::Cmd);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].line, 3u);
    ASSERT_EQ(result.underlines.size(), 1u);
    EXPECT_EQ(result.underlines[0].line, 2u);
    EXPECT_EQ(result.underlines[0].severity, result.findings[0].severity);
    const bool gotoColoured = std::any_of(result.colours.begin(), result.colours.end(), [](const auto& span) {
        return span.line == 2 && span.column == 0 && span.length == 4 && span.role == ColourRole::Command;
    });
    EXPECT_TRUE(gotoColoured);
}

TEST(LiveCheck, UnderlinesCountBytesAndCoverTheLineWhenTheFindingHasNoStretch) {
    const core::text::CheckerLines text("  FOO \xC3\xA9X BAR\r\n   WHOLE  ");
    const std::vector<core::checker::Finding> findings = {
        findingAt(1, 8, 1, Severity::Error),   // the X after the two-byte letter
        findingAt(2, 1, 0, Severity::Warning), // about the whole line
        findingAt(1, 1, 2, Severity::Info),    // only blanks: the line instead
        findingAt(9, 1, 1, Severity::Error),   // past the text: nothing
    };
    const std::vector<Underline> expected = {
        {0, 8, 1, Severity::Error}, {1, 3, 7, Severity::Warning}, {0, 2, 11, Severity::Info}};
    EXPECT_EQ(core::checker::underlinesOf(findings, text), expected);
}

TEST(LiveCheck, OnlyAResultOfTheCurrentTextOfTheDocumentInFrontIsShown) {
    core::checker::LiveCheckGate gate;
    core::checker::LiveResult result;
    result.document = 1;
    result.generation = gate.changed();
    EXPECT_TRUE(gate.fits(result, 1));
    EXPECT_FALSE(gate.fits(result, 2)) << "another document came to the front";
    gate.changed();
    EXPECT_FALSE(gate.fits(result, 1)) << "the text changed while the check ran";
}

TEST(TypingColours, EveryListedWordIsOneTheCheckColoursAsACommand) {
    constexpr std::array TAILS = {" A", " A B", " ON", " USE A:", " %%A IN (B) DO REM"};
    for (const auto rules : {RuleSet::Classic, RuleSet::Cmd}) {
        const auto words = testing_support::wordsOf(core::checker::typingColoursOf(rules).words);
        EXPECT_GE(words.size(), 20u);
        for (auto word : words) {
            for (auto& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            // A line the check finds fault with is coloured as a fault: one of these tails is valid.
            const bool coloured = std::ranges::any_of(TAILS, [&](const char* tail) { return colouredAsCommand(word + tail, word.size(), rules); });
            EXPECT_TRUE(coloured) << word << " under " << core::checker::ruleSetName(rules);
        }
    }
}

TEST(TypingColours, WordsTheCheckColoursOrLeavesAreColouredTheSameWhileTyping) {
    const auto cmd = core::checker::typingColoursOf(RuleSet::Cmd);
    EXPECT_TRUE(cmd.everyCommandWord);
    for (const std::string word : {"COPY", "XCOPY", "SETLOCAL", "MORE", "FROB"})
        EXPECT_TRUE(colouredAsCommand(word + " A", word.size(), RuleSet::Cmd)) << word;
    const auto classic = core::checker::typingColoursOf(RuleSet::Classic);
    EXPECT_FALSE(classic.everyCommandWord);
    const auto listed = testing_support::wordsOf(classic.words);
    for (const std::string word : {"XCOPY", "CHOICE", "MODE", "ATTRIB"}) {
        EXPECT_FALSE(colouredAsCommand(word + " A", word.size(), RuleSet::Classic)) << word;
        std::string lower = word;
        for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(std::count(listed.begin(), listed.end(), lower), 0) << word;
    }
}

TEST(DocumentProblems, EachDocumentKeepsItsOwnListUntilItCloses) {
    core::checker::DocumentProblems problems;
    problems.of(1).setFindings({findingAt(2, 1, 0, Severity::Warning)});
    EXPECT_FALSE(problems.checked(2));
    EXPECT_EQ(problems.of(2).size(), 0u);
    EXPECT_EQ(problems.of(1).size(), 1u);
    problems.keepOnly({2});
    EXPECT_FALSE(problems.checked(1));
    EXPECT_TRUE(problems.checked(2));
}

TEST(DocumentProblems, AMarkerTakesTheGravestSeverityOfItsLine) {
    core::checker::ProblemList list;
    list.setFindings({findingAt(3, 1, 0, Severity::Warning), findingAt(5, 1, 0, Severity::Info),
                      findingAt(3, 2, 1, Severity::Error)});
    const auto markers = list.markers();
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].severity, Severity::Error);
    EXPECT_EQ(markers[1].severity, Severity::Info);
}
