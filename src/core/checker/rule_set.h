#pragma once
// Which rules check a file, and the check that nobody answers: every finding of
// the whole file at once, for `qlt`, the language server and the Problems list.
#include "core/checker/colour_sink.h"
#include "core/checker/syntax_checker.h"
#include "core/documents/pick_lists.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::checker {

//! The rules a check applied: the classic DOS interpreter's, or today's
//! Windows command interpreter's.
enum class RuleSet { Classic, Cmd };
//! What the user asked for; Automatic picks per file.
enum class RuleChoice { Automatic, Classic, Cmd };

//! The rules a file gets under a choice.
RuleSet pickRuleSet(const std::vector<std::string>& lines, RuleChoice choice);
RuleSet pickRuleSet(std::span<const std::string_view> lines, RuleChoice choice);

//! "classic" or "cmd".
std::string_view ruleSetName(RuleSet rules);

struct Lint {
    CheckResult result;
    RuleSet rules = RuleSet::Classic;
};

//! Checks the lines (one character per byte: Windows-1252) with the chosen
//! rules, answering OK to every message so the check runs to the end. Colours go
//! to `colours`, labels and variables to `lists`; `ignored` holds the entries of
//! the Ignore list.
Lint lintLines(const std::vector<std::string>& lines, RuleChoice choice, ColourSink& colours,
               documents::PickLists& lists, std::vector<std::string>& ignored);
//! The same check over views of the lines, each finding handed to `findings`
//! as it is made (a report can be written while the check runs).
RuleSet lintLines(std::span<const std::string_view> lines, RuleChoice choice, ColourSink& colours,
                  documents::PickLists& lists, std::vector<std::string>& ignored, FindingSink& findings);

//! The status bar's note after a check: "Checked with the classic rules", ...
std::string_view checkedNote(RuleSet rules);

//! The choice as stored in the settings (0 Automatic, 1 Classic, 2 Cmd) and back.
RuleChoice ruleChoiceOf(int stored);
int storedRuleChoice(RuleChoice choice);

} // namespace core::checker
