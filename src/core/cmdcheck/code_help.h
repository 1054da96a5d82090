#pragma once
// A help topic for every finding code, classic (Q0xx) and command interpreter
// (Q1xx): what it means, a line that gets it, a line that does not, and the
// fix. `qlt explain`, the help pages and the SARIF report read this one table;
// the examples of the command interpreter rules come from their rule list.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

struct CodeHelp {
    std::string_view code;    //!< "Q101"
    std::string_view rules;   //!< "classic" or "cmd"
    std::string_view title;   //!< a short name
    std::string_view meaning; //!< what the finding says is wrong
    std::string_view fires;   //!< classic rules: batch lines that get the finding ("\n" between lines)
    std::string_view passes;  //!< classic rules: similar lines that do not
    std::string_view fix;     //!< how to put it right
};

//! The topic of a code (letter case ignored), or null for an unknown code.
const CodeHelp* codeHelp(std::string_view code);
//! Every topic, classic codes first, in code order.
std::span<const CodeHelp> allCodeHelp();

//! The documents that get the finding ("\n" between lines).
std::vector<std::string_view> firesOf(const CodeHelp& help);
//! Similar documents that do not.
std::vector<std::string_view> passesOf(const CodeHelp& help);

//! The topic as plain text, for `qlt explain`.
std::string explainText(const CodeHelp& help);
//! The help page of all codes, "codes.html" of the help folder (UTF-8 HTML).
std::string codeHelpPage();
//! Where a code's topic is in the help: "codes.html#q101".
std::string helpPageAnchor(const CodeHelp& help);

} // namespace core::cmdcheck
