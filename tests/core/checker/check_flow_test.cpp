// The flow of a whole check: skipped and label lines, answers steering the
// check, the lists that outlive it, and the messages' kinds and buttons.
#include "check_harness.h"

#include "core/checker/problem_list.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using namespace checker_test;
using core::checker::MessageId;
using core::checker::ProblemColumn;
using core::checker::ProblemReport;
using core::checker::RuleChoice;
using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;

const std::string COMPLETE = "The syntax check is complete.";

TEST(CheckFlow, SkippedLinesAndLabelLines) {
    Checked checked;
    checked.run({":: comment", "", "   ", "\t \t", ":Start", "C:", "\\\\SERVER\\TOOL", "A\\B", ":Start", ":"});
    EXPECT_EQ(checked.prompter.texts(), std::vector<std::string>{COMPLETE});
    EXPECT_EQ(checked.prompter.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(checked.prompter.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(checked.colours.resets, 1);
    EXPECT_EQ(checked.lists.labels, (std::vector<std::string>{"Start", "Start", ""}));
    EXPECT_EQ(checked.colours.spans,
              (std::vector<Span>{{4, 0, 6, ColourRole::Label}, {8, 0, 6, ColourRole::Label}, {9, 0, 1, ColourRole::Label}}));
}

TEST(CheckFlow, MessagesNameTheirLineWithKindAndButtons) {
    Checked checked;
    checked.run({"@ECHO OFF", "DEL A B", "FROB", "GOTO NOWHERE"});
    EXPECT_EQ(checked.result.findings,
              (std::vector<core::checker::Finding>{finding(MessageId::DelPath, 2),
                                                   finding(MessageId::Unrecognised, 3, "FROB"),
                                                   finding(MessageId::GotoLabel, 4, "NOWHERE")}));
    ASSERT_EQ(checked.prompter.shown.size(), 4u);
    EXPECT_EQ(checked.prompter.shown[1].buttons, Buttons::OkIgnoreAbort);
    EXPECT_EQ(checked.prompter.shown[2].buttons, Buttons::Ok);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(checked.prompter.shown[i].kind, MessageKind::Warning);
    EXPECT_EQ(checked.prompter.shown[3].text, COMPLETE);
}

TEST(CheckFlow, FindingCarriesCodeAndWholeLine) {
    Checked checked;
    const auto result = core::checker::checkSyntax({"REM", "  FROB  x"},
                                                   {checked.prompter, checked.colours, checked.lists, checked.ignored});
    ASSERT_EQ(result.findings.size(), 1u);
    const auto& f = result.findings[0];
    EXPECT_EQ(std::tuple(f.code, f.severity, f.column, f.length), std::tuple("Q002", core::checker::Severity::Warning, 1u, 9u));
}

TEST(CheckFlow, IgnoreSilencesTheSameWorkingTextFromThenOn) {
    Checked checked;
    checked.prompter.answers = {Answer::Ignore};
    checked.run({"DIR", "dir", "FROB"});
    EXPECT_EQ(checked.result.findings, (std::vector<core::checker::Finding>{finding(MessageId::Unrecognised, 1, "DIR"),
                                                                            finding(MessageId::Unrecognised, 3, "FROB")}));
    EXPECT_EQ(checked.ignored, std::vector<std::string>{"DIR"});

    checked.run({"Dir", "frob"}); // a later check keeps the list
    EXPECT_EQ(checked.result.findings,
              std::vector<core::checker::Finding>{finding(MessageId::Unrecognised, 2, "FROB")});

    Checked loaded; // entries loaded from the list file, in any letter case
    loaded.ignored = {"frob x"};
    loaded.run({"FROB X"});
    EXPECT_TRUE(loaded.result.findings.empty());
}

TEST(CheckFlow, AbortEndsThePassAndTheClosingMessageStillComes) {
    const std::vector<std::pair<std::string, MessageId>> firstMessages = {
        {"FROB", MessageId::Unrecognised},
        {"DELTREE C:\\TEMP /Y", MessageId::DeltreePath},   // no switch-order message after it
        {"MOVE A.TXT C:\\ /Y", MessageId::MovePath},
        {"FOR %%A IN (A B) DO DEL X Y", MessageId::ForFileName}, // the DEL rule is not reached
        {"TYPE A > C:\\MY DIR\\B", MessageId::Redirection},
        {"FOR %A IN (X) DO FROB", MessageId::ForVariable},
    };
    for (const auto& [line, id] : firstMessages) {
        SCOPED_TRACE(line);
        Checked checked;
        checked.prompter.answers = {Answer::Abort};
        checked.run({line, "FROB"});
        EXPECT_TRUE(checked.result.aborted);
        const std::string prefix = id == MessageId::Unrecognised ? "Line 1: " : "";
        EXPECT_EQ(checked.prompter.texts(),
                  (std::vector<std::string>{prefix + core::checker::formatMessage(id, 1, "FROB"), COMPLETE}));
    }
}

TEST(CheckFlow, GotoFindsLabelsAboveAndBelowIgnoringCase) {
    Checked checked;
    checked.run({":End", "GOTO end", "GOTO LATER", "GOTO END2", ":later", ":END20"});
    EXPECT_EQ(checked.result.findings,
              std::vector<core::checker::Finding>{finding(MessageId::GotoLabel, 4, "END2")});
    EXPECT_EQ(checked.colours.spans, (std::vector<Span>{{0, 0, 4, ColourRole::Label}, {1, 0, 4, ColourRole::Command},
                                                        {2, 0, 4, ColourRole::Command}, {4, 0, 6, ColourRole::Label},
                                                        {5, 0, 6, ColourRole::Label}}));
}

TEST(CheckFlow, LabelListIsRebuiltAndVariableListGrowsAcrossChecks) {
    Checked checked;
    checked.run({":ONE", "SET PATH=C:\\DOS", "SET Log Dir=C:\\LOGS", "SET NAME", "SET =X", "set path=%PATH%;C:\\X"});
    EXPECT_EQ(checked.lists.labels, std::vector<std::string>{"ONE"});
    EXPECT_EQ(checked.lists.variables, (std::vector<std::string>{"PATH", "Log Dir"}));
    EXPECT_EQ(checked.colours.spans[1], Span(1, 0, 3, ColourRole::Command));

    checked.run({":TWO", ":TWO", "SET log dir=1", "SET Extra=2"});
    EXPECT_EQ(checked.lists.labels, (std::vector<std::string>{"TWO", "TWO"}));
    EXPECT_EQ(checked.lists.variables, (std::vector<std::string>{"PATH", "Log Dir", "Extra"}));
}

TEST(EditorCheck, EachBoxShowsItsLineAndTheCaretComesBack) {
    EditorChecked e({"@ECHO OFF", "FROB", "REM x", "DEL A B"});
    e.view.select(3, 4);
    const auto lint = e.run();
    EXPECT_EQ(e.prompter.selected, (std::vector<std::string>{"FROB", "DEL A B", "DEL A B"}));
    EXPECT_EQ(e.prompter.texts()[0].rfind("Line 2: Unrecognised command: \"FROB\".", 0), 0u) << e.prompter.texts()[0];
    EXPECT_EQ(e.prompter.texts()[1].find("Line"), std::string::npos) << "the text names its line itself";
    EXPECT_EQ(e.view.selectionStart(), 3u);
    EXPECT_EQ(e.view.selectionLength(), 4u);
    EXPECT_FALSE(e.view.spans().empty());
    EXPECT_EQ(lint.result.findings.size(), 2u);
}

TEST(EditorCheck, AbortedOrUnansweredTheResultHoldsEveryFinding) {
    const std::vector<std::string> lines = {"FROB", "DEL A B", "GOTO NOWHERE", "FROB"};
    for (const auto report : {ProblemReport::MessageBoxes, ProblemReport::ListOnly}) {
        EditorChecked e(lines);
        e.prompter.answers = {Answer::Abort};
        EXPECT_EQ(e.run({RuleChoice::Classic, report}).result.findings.size(), 4u);
        EXPECT_EQ(e.prompter.shown.size(), report == ProblemReport::ListOnly ? 0u : 2u);
        EXPECT_TRUE(e.ignored.empty());
    }
}

TEST(EditorCheck, UtfEightTextIsCheckedPerCharacterAndColouredInBytes) {
    // "REM \u00fc x" and "FROB \u20ac": the checker sees one byte per character.
    EditorChecked e({"REM \xC3\xBC x", "FROB \xE2\x82\xAC"});
    const auto lint = e.run({RuleChoice::Classic, ProblemReport::ListOnly});
    ASSERT_FALSE(e.view.spans().empty());
    const auto& comment = e.view.spans()[0];
    EXPECT_EQ(Span(comment.line, comment.column, comment.length, comment.role), Span(0, 0, 8, ColourRole::Comment));
    ASSERT_EQ(lint.result.findings.size(), 1u);
    EXPECT_EQ(lint.result.findings[0].line, 2u);
}

// Letters Windows-1252 lacks reach the checker as '?'; what the user reads
// quotes them as the document holds them, in boxes and in the list alike.
TEST(EditorCheck, FindingsQuoteTheDocumentsOwnLetters) {
    const std::vector<std::string> lines = {"ПРИВЕТ мир", "GOTO метка", "ECHO ok"};
    // The command interpreter's rules leave unknown commands to the system.
    for (const auto& [rules, first] : {std::pair{RuleChoice::Classic, "\"ПРИВЕТ мир\""}, std::pair{RuleChoice::Cmd, "\"метка\""}}) {
        EditorChecked e(lines);
        const auto lint = e.run({rules, ProblemReport::MessageBoxes});
        std::string all;
        for (const auto& finding : lint.result.findings) all += finding.text + "\n";
        EXPECT_NE(all.find("\"метка\""), std::string::npos) << all;
        EXPECT_EQ(all.find('?'), std::string::npos) << all;
        ASSERT_FALSE(e.prompter.texts().empty());
        EXPECT_NE(e.prompter.texts()[0].find(first), std::string::npos) << e.prompter.texts()[0];
    }
}

TEST(ProblemList, RowsSortIgnoreAndMark) {
    core::checker::ProblemList list;
    list.setFindings({finding(MessageId::GotoLabel, 9, "X"), finding(MessageId::Unrecognised, 2, "FROB"),
                      finding(MessageId::DelPath, 5), finding(MessageId::Unrecognised, 9, "FROB")});
    const auto column = [&](ProblemColumn c) {
        std::string out;
        for (std::size_t r = 0; r < list.size(); ++r) out += list.cell(r, c) + " ";
        return out;
    };
    EXPECT_EQ(column(ProblemColumn::Line), "2 5 9 9 ");
    list.sortBy(ProblemColumn::Code, true);
    EXPECT_EQ(column(ProblemColumn::Code), "Q035 Q013 Q002 Q002 ");
    EXPECT_EQ(list.summary(), "4 problems");
    ASSERT_EQ(list.markers().size(), 3u);
    EXPECT_EQ(list.markers()[2].tooltip, list.row(0).text + "\n" + list.row(3).text);

    std::vector<std::string> ignored = {"frob"};
    EXPECT_FALSE(list.ignore(0, ignored)) << "a missing label cannot be ignored";
    EXPECT_TRUE(list.ignore(2, ignored));
    EXPECT_EQ(ignored, std::vector<std::string>{"frob"}) << "listed once, letter case ignored";
    EXPECT_EQ(column(ProblemColumn::Line), "9 5 ");
}

TEST(Messages, TextsAreFilledInAndConvertedToUtf8) {
    const auto unrecognised = core::checker::formatMessage(MessageId::Unrecognised, 12, "CAF\xc9");
    EXPECT_EQ(unrecognised.rfind("Unrecognised command: \"CAF\xc3\x89\". Make sure", 0), 0u) << unrecognised;
    EXPECT_NE(unrecognised.find("DOS/Windows\xc2\xae, so will be 'Unknown'."), std::string::npos) << unrecognised;
    const auto label = core::checker::formatMessage(MessageId::GotoLabel, 1040, "END");
    EXPECT_EQ(label.rfind("The label that the GOTO command on line 1040 is pointing to, \"END\", cannot", 0), 0u);
}

TEST(Messages, TableIsInEnumOrder) {
    for (int i = 0; i <= static_cast<int>(MessageId::Complete); ++i)
        EXPECT_EQ(static_cast<int>(core::checker::messageDef(static_cast<MessageId>(i)).id), i);
}

} // namespace
