#pragma once
// The rules of the Windows command interpreter checker, as one list: per code
// its severity, the message the user reads, and small documents it fires on
// and stays quiet on. Codes never change meaning; a new rule takes the next
// free code and one row here.
#include "core/checker/syntax_checker.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace core::cmdcheck {

enum class Code {
    NearMissCommand,   // Q101
    NearMissOption,    // Q102
    MissingLabel,      // Q103
    BlockNotClosed,    // Q104
    StrayClose,        // Q105
    ElseAlone,         // Q106
    UnclosedQuote,     // Q107
    ForSyntax,         // Q108
    ForPercent,        // Q109
    ForOptions,        // Q110
    SetBlankName,      // Q111
    SetArithmetic,     // Q112
    IfEmptyOperand,    // Q113
    IfSyntax,          // Q114
    DelayedNotEnabled, // Q115
    StaleRead,         // Q116
    RedirectBlank,     // Q117
    UnclosedProgramQuote, // Q118
    IfUnquotedEmpty,   // Q119
    ExpansionSyntax,   // Q120
    CdNetworkPath,     // Q121
    CaretBeforeBlank,  // Q122
    WrongQuotes,       // Q123
    RemovedCommand,    // Q124
    PromptWithoutVariable, // Q125
    ArithmeticCaret,   // Q126
    EchoLonePercent,   // Q127
    ForVariableOutside, // Q128
    DelayedNotYetEnabled, // Q129
    CallWithoutColon,  // Q130
    DeadCode,          // Q131
};
inline constexpr std::size_t CODE_COUNT = 31;

//! A small document a rule is shown on: lines joined with "\n".
struct Example {
    std::string_view text;
    //! The 1-based line that gets the finding; 0 for the last line.
    std::size_t line = 0;
};

struct CodeDef {
    Code code;
    std::string_view id;      //!< "Q101"
    checker::Severity severity;
    //! "{line}" is the line number, "{a}" and "{b}" the inserted texts.
    std::string_view text;
    //! Where the check lives: the function that reports the code.
    std::string_view check;
    //! Documents that get the finding on their line.
    std::span<const Example> firesOn;
    //! Documents that get no finding at all.
    std::span<const std::string_view> quietOn;
};

const CodeDef& codeDef(Code code);
//! Every rule, in code order.
std::span<const CodeDef> allCodes();
//! The rule of an id such as "Q101" (letter case ignored), or null.
const CodeDef* codeDefOf(std::string_view id);

//! The message with {line}, {a} and {b} filled in; `a` and `b` are document
//! text (Windows-1252), converted to UTF-8.
std::string formatCodeMessage(Code code, std::size_t line, std::string_view a = {}, std::string_view b = {});

} // namespace core::cmdcheck
