#pragma once
// The rules qlt can report, with the text that explains each: for SARIF's rule
// table and the language server's hover.
#include "core/checker/syntax_checker.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct RuleHelp {
    std::string code;  //!< "Q001"
    std::string title; //!< a short description
    std::string text;  //!< what the finding means
    core::checker::Severity severity = core::checker::Severity::Warning;
};

//! Every rule, in code order.
const std::vector<RuleHelp>& knownRules();
//! The explanation of a code; nothing for an unknown code.
std::optional<std::string> explainCode(std::string_view code);

} // namespace cli
