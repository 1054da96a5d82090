#include "core/checker/rule_set.h"

#include "core/checker/answer_ok_prompter.h"
#include "core/cmdcheck/cmd_checker.h"
#include "core/cmdcheck/detection.h"

namespace core::checker {

// Automatic: the command interpreter's rules as soon as the file uses
// something only that interpreter has (see usesCmdFeatures), else the classic.
RuleSet pickRuleSet(const std::vector<std::string>& lines, RuleChoice choice) {
    switch (choice) {
    case RuleChoice::Classic: return RuleSet::Classic;
    case RuleChoice::Cmd: return RuleSet::Cmd;
    case RuleChoice::Automatic: break;
    }
    return cmdcheck::usesCmdFeatures(lines) ? RuleSet::Cmd : RuleSet::Classic;
}

RuleSet pickRuleSet(std::span<const std::string_view> lines, RuleChoice choice) {
    if (choice != RuleChoice::Automatic) return choice == RuleChoice::Cmd ? RuleSet::Cmd : RuleSet::Classic;
    return cmdcheck::usesCmdFeatures(lines) ? RuleSet::Cmd : RuleSet::Classic;
}

std::string_view ruleSetName(RuleSet rules) { return rules == RuleSet::Cmd ? "cmd" : "classic"; }

RuleSet lintLines(std::span<const std::string_view> lines, RuleChoice choice, ColourSink& colours,
                  documents::PickLists& lists, std::vector<std::string>& ignored, FindingSink& findings) {
    const RuleSet rules = pickRuleSet(lines, choice);
    if (rules == RuleSet::Cmd) {
        for (auto& finding : cmdcheck::lintCmd(lines, colours, lists, ignored).findings)
            findings.add(std::move(finding));
        return rules;
    }
    AnswerOkPrompter prompter;
    checkSyntax(lines, {prompter, colours, lists, ignored}, findings);
    return rules;
}

Lint lintLines(const std::vector<std::string>& lines, RuleChoice choice, ColourSink& colours,
               documents::PickLists& lists, std::vector<std::string>& ignored) {
    Lint lint;
    lint.rules = pickRuleSet(lines, choice);
    if (lint.rules == RuleSet::Cmd) {
        lint.result = cmdcheck::lintCmd(lines, colours, lists, ignored);
        return lint;
    }
    AnswerOkPrompter prompter;
    lint.result = checkSyntax(lines, {prompter, colours, lists, ignored});
    return lint;
}

std::string_view checkedNote(RuleSet rules) {
    return rules == RuleSet::Cmd ? "Checked with the Windows command interpreter rules" : "Checked with the classic rules";
}

RuleChoice ruleChoiceOf(int stored) {
    return stored == 1 ? RuleChoice::Classic : stored == 2 ? RuleChoice::Cmd : RuleChoice::Automatic;
}

int storedRuleChoice(RuleChoice choice) {
    return choice == RuleChoice::Classic ? 1 : choice == RuleChoice::Cmd ? 2 : 0;
}

} // namespace core::checker
