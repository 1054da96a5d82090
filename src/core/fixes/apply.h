#pragma once
// Applying fixes to a document's text, and the round of check-then-fix that
// `qlt check --fix`, the language server and the window share.
#include "core/checker/rule_set.h"
#include "core/fixes/fix.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace core::fixes {

//! The fixes of `fixes` that can be applied together, in document order: a
//! fix whose edits touch or overlap an edit of an earlier one is left for
//! another round.
std::vector<Fix> compatibleFixes(std::vector<Fix> fixes);

//! The text with the edits made (UTF-8 in and out; edits must not overlap).
//! Edits are made from the last to the first so that positions stay valid; a
//! position past a line's end is its end, one past the last line the text's end.
std::string applyEdits(std::string_view text, std::vector<Edit> edits);

struct FixRequest {
    checker::RuleChoice rules = checker::RuleChoice::Automatic;
    bool suggested = false;           //!< apply suggested fixes too
    std::vector<std::string> ignored{}; //!< entries of the Ignore list
    std::size_t maxRounds = 4;
    std::string onlyCode{}; //!< when set, only the fixes of this code
};

struct FixOutcome {
    std::string text{};                      //!< the fixed text (UTF-8)
    std::map<std::string, std::size_t> applied{}; //!< fixes applied, by code
    std::size_t rounds = 0;                  //!< rounds that changed the text
    bool changed() const { return !applied.empty(); }
};

//! The fixes offered for the findings of one check of the text.
std::vector<Fix> fixesOfText(std::string_view text, const FixRequest& request);

//! Checks the text and applies its fixes, again and again until a check
//! offers nothing more that applies (at most `maxRounds` rounds). The rule set
//! is chosen on the text as given and kept, so a fix never changes the rules.
FixOutcome fixText(std::string_view text, const FixRequest& request);

} // namespace core::fixes
