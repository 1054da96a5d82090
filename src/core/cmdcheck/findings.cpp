#include "core/cmdcheck/findings.h"

#include "core/text/checker_lines.h"

#include <algorithm>
#include <array>
#include <string>

namespace core::cmdcheck {
namespace {

using checker::Severity;
constexpr Severity ERROR = Severity::Error;
constexpr Severity WARNING = Severity::Warning;

constexpr std::array<CodeDef, CODE_COUNT> CODES = {{
    {Code::NearMissCommand, "Q101", ERROR,
     "Unrecognised command on line {line}: \"{a}\". Did you mean {b}? Make sure the command is spelt correctly."},
    {Code::NearMissOption, "Q102", ERROR,
     "The option \"{a}\" of the command on line {line} is not understood. Did you mean {b}?"},
    {Code::MissingLabel, "Q103", ERROR,
     "The label that the {a} command on line {line} is pointing to, \"{b}\", cannot be found in the batch file. Make sure that the label name is spelt correctly and is defined in the batch file (use ':' to define a label)."},
    {Code::BlockNotClosed, "Q104", ERROR,
     "The block opened with '(' on line {a} is never closed. Add the missing ')' - every '(' that starts a block needs one."},
    {Code::StrayClose, "Q105", ERROR,
     "There is a ')' on line {line} but no block is open. Remove it, or add the '(' that should start the block."},
    {Code::ElseAlone, "Q106", ERROR,
     "The ELSE on line {line} must be on the same line as the ')' that closes the IF block, as in ') ELSE ('."},
    {Code::UnclosedQuote, "Q107", ERROR,
     "The double quotation mark on line {line} is never closed, so the {a} after it is taken as text. Add the closing '\"'."},
    {Code::ForSyntax, "Q108", ERROR,
     "The syntax of the FOR command on line {line} is incorrect - {a}"},
    {Code::ForPercent, "Q109", ERROR,
     "The variable of the FOR command on line {line} needs two percent signs in a batch file: write %{a} instead of {a}."},
    {Code::ForOptions, "Q110", ERROR,
     "The options string of the FOR /F command on line {line} is not valid: \"{a}\". Use eol=, skip=, delims=, tokens= and usebackq."},
    {Code::SetBlankName, "Q111", WARNING,
     "The variable name set on line {line} ends with a blank, so \"{a} \" is set rather than \"{a}\". Remove the blank before the '='."},
    {Code::SetArithmetic, "Q112", ERROR,
     "The SET /A expression on line {line} is malformed: {a}"},
    {Code::IfEmptyOperand, "Q113", WARNING,
     "The IF comparison on line {line} breaks when {a} is empty. Enclose both sides in double quotation marks, as in IF \"{a}\"==\"...\"."},
    {Code::IfSyntax, "Q114", ERROR,
     "The syntax of the IF command on line {line} is incorrect - {a}"},
    {Code::DelayedNotEnabled, "Q115", WARNING,
     "The variable {a} on line {line} uses '!' but delayed expansion is never enabled in this batch file, so it is not replaced. Add 'SETLOCAL ENABLEDELAYEDEXPANSION' or use %...%."},
    {Code::StaleRead, "Q116", WARNING,
     "The variable %{a}% on line {line} is read in the same block that sets it, so it still has the value from before the block. Use !{a}! with 'SETLOCAL ENABLEDELAYEDEXPANSION'."},
    {Code::RedirectBlank, "Q117", WARNING,
     "The path of the file the output on line {line} is redirected to contains a blank: only \"{a}\" is used. Enclose the path in double quotation marks (\" \")."},
}};

} // namespace

const CodeDef& codeDef(Code code) { return CODES[static_cast<std::size_t>(code)]; }

std::string formatCodeMessage(Code code, std::size_t line, std::string_view a, std::string_view b) {
    const std::string_view pattern = codeDef(code).text;
    std::string out;
    out.reserve(pattern.size() + std::min(a.size() * 2 + b.size(), 3 * text::QUOTE_LIMIT) + 8);
    // Text up to each '{' is copied in one piece.
    for (std::size_t i = 0; i < pattern.size();) {
        const std::size_t brace = std::min(pattern.find('{', i), pattern.size());
        out.append(pattern, i, brace - i);
        if (brace == pattern.size()) break;
        const std::string_view rest = pattern.substr(brace);
        if (rest.starts_with("{line}")) {
            out += std::to_string(line);
            i = brace + 6;
        } else if (rest.starts_with("{a}")) {
            out += text::quoteOf(a);
            i = brace + 3;
        } else if (rest.starts_with("{b}")) {
            out += text::quoteOf(b);
            i = brace + 3;
        } else {
            out += '{';
            i = brace + 1;
        }
    }
    return out;
}

} // namespace core::cmdcheck
