#include "core/checker/rule_set.h"

#include "core/checker/answer_ok_prompter.h"

namespace core::checker {

RuleSet pickRuleSet(const std::vector<std::string>& /*lines*/, RuleChoice choice) {
    return choice == RuleChoice::Cmd ? RuleSet::Cmd : RuleSet::Classic;
}

std::string_view ruleSetName(RuleSet rules) { return rules == RuleSet::Cmd ? "cmd" : "classic"; }

Lint lintLines(const std::vector<std::string>& lines, RuleChoice choice, ColourSink& colours,
               documents::PickLists& lists, std::vector<std::string>& ignored) {
    Lint lint;
    lint.rules = pickRuleSet(lines, choice);
    AnswerOkPrompter prompter;
    lint.result = checkSyntax(lines, {prompter, colours, lists, ignored});
    return lint;
}

} // namespace core::checker
