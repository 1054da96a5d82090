#include "core/checker/rule_set.h"

#include "core/checker/answer_ok_prompter.h"

namespace core::checker {

namespace {

std::vector<std::string_view> viewsOf(const std::vector<std::string>& lines) { return {lines.begin(), lines.end()}; }

} // namespace

RuleSet pickRuleSet(std::span<const std::string_view> /*lines*/, RuleChoice choice) {
    return choice == RuleChoice::Cmd ? RuleSet::Cmd : RuleSet::Classic;
}

RuleSet pickRuleSet(const std::vector<std::string>& lines, RuleChoice choice) {
    return pickRuleSet(viewsOf(lines), choice);
}

std::string_view ruleSetName(RuleSet rules) { return rules == RuleSet::Cmd ? "cmd" : "classic"; }

RuleSet lintLines(std::span<const std::string_view> lines, RuleChoice choice, ColourSink& colours,
                  documents::PickLists& lists, std::vector<std::string>& ignored, FindingSink& findings) {
    const RuleSet rules = pickRuleSet(lines, choice);
    AnswerOkPrompter prompter;
    checkSyntax(lines, {prompter, colours, lists, ignored}, findings);
    return rules;
}

Lint lintLines(const std::vector<std::string>& lines, RuleChoice choice, ColourSink& colours,
               documents::PickLists& lists, std::vector<std::string>& ignored) {
    FindingList collected;
    Lint lint;
    lint.rules = lintLines(viewsOf(lines), choice, colours, lists, ignored, collected);
    lint.result.findings = std::move(collected.findings);
    return lint;
}

} // namespace core::checker
