#include "core/checker/editor_check.h"

#include "core/checker/messages.h"
#include "core/checker/name_set.h"
#include "core/text/checker_lines.h"

namespace core::checker {
namespace {

class NoColours : public ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const ports::ColourSpan&) override {}
};

// The rules already picked, so that the file is looked at only once to pick them.
RuleChoice choiceOf(RuleSet rules) { return rules == RuleSet::Cmd ? RuleChoice::Cmd : RuleChoice::Classic; }

ports::MessageKind kindOf(Severity severity) {
    return severity == Severity::Info ? ports::MessageKind::Information : ports::MessageKind::Warning;
}

// Rules that find everything first show their findings one box each, as the
// classic check does: Ignore silences the command for the rest of the file,
// Abort ends the boxes.
void showBoxes(const std::vector<Finding>& findings, ColourSink& view, ports::Prompter& prompter,
               std::vector<std::string>& ignoredCommands) {
    NameSet ignored;
    for (const auto& entry : ignoredCommands) ignored.add(entry);
    for (const auto& finding : findings) {
        if (!finding.ignoreKey.empty() && ignored.contains(finding.ignoreKey)) continue;
        view.showLine(finding.line - 1);
        const auto answer = prompter.message(kindOf(finding.severity), finding.buttons,
                                             linePrefix(finding.line) + finding.text);
        if (answer == ports::Answer::Abort) return;
        if (answer == ports::Answer::Ignore && !finding.ignoreKey.empty()) {
            ignoredCommands.push_back(finding.ignoreKey);
            ignored.add(finding.ignoreKey);
        }
    }
    const MessageDef& complete = messageDef(MessageId::Complete);
    prompter.message(complete.kind, complete.buttons, std::string(complete.text));
}

// Every finding of the file, without disturbing what the answered check left
// in the pick lists and the Ignore list.
std::vector<Finding> allFindings(std::span<const std::string_view> lines, RuleSet rules,
                                 const documents::PickLists& lists, const std::vector<std::string>& ignoredCommands) {
    NoColours none;
    auto scratchLists = lists;
    auto scratchIgnored = ignoredCommands;
    FindingList all;
    lintLines(lines, choiceOf(rules), none, scratchLists, scratchIgnored, all);
    return std::move(all.findings);
}

} // namespace

ProblemReport reportFor(ProblemReport chosen, RuleSet rules) {
    if (chosen != ProblemReport::Automatic) return chosen;
    return rules == RuleSet::Classic ? ProblemReport::MessageBoxes : ProblemReport::ListOnly;
}

Lint checkEditor(ports::EditorView& view, ports::Prompter& prompter, documents::PickLists& lists,
                 std::vector<std::string>& ignoredCommands, const EditorCheckOptions& options) {
    const auto place = view.place();
    // The checker reads one byte per character; the colours go back to the
    // editor's UTF-8 lines.
    const text::CheckerLines text(view.text());
    const auto lines = text.lines();
    Lint lint;
    lint.rules = pickRuleSet(lines, options.rules);
    const bool listOnly = reportFor(options.report, lint.rules) == ProblemReport::ListOnly;
    EditorViewColours colours(view, text, !listOnly);
    FindingList found;
    // Findings quote the document's own characters, not the checker's view of them.
    const auto own = text.utf8Lines();
    if (listOnly) {
        lintLines(lines, choiceOf(lint.rules), colours, lists, ignoredCommands, found);
        quoteOwnCharacters(found.findings, lines, own);
    } else if (lint.rules == RuleSet::Classic) {
        lint.result.aborted = checkSyntax(lines, {prompter, colours, lists, ignoredCommands, own}, found);
        if (lint.result.aborted) {
            found.findings = allFindings(lines, lint.rules, lists, ignoredCommands);
            quoteOwnCharacters(found.findings, lines, own);
        }
    } else {
        lintLines(lines, choiceOf(lint.rules), colours, lists, ignoredCommands, found);
        quoteOwnCharacters(found.findings, lines, own);
        colours.flush();
        showBoxes(found.findings, colours, prompter, ignoredCommands);
    }
    colours.flush();
    lint.result.findings = std::move(found.findings);
    view.restorePlace(place);
    return lint;
}

} // namespace core::checker
