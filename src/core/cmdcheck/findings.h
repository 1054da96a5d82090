#pragma once
// The findings of the Windows command interpreter rules: one entry per code,
// with its severity and the message the user reads. Codes never change meaning.
#include "core/checker/syntax_checker.h"

#include <cstddef>
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
};
inline constexpr std::size_t CODE_COUNT = 17;

struct CodeDef {
    Code code;
    std::string_view id;      //!< "Q101"
    checker::Severity severity;
    //! "{line}" is the line number, "{a}" and "{b}" the inserted texts.
    std::string_view text;
};

const CodeDef& codeDef(Code code);

//! The message with {line}, {a} and {b} filled in; `a` and `b` are document
//! text (Windows-1252), converted to UTF-8.
std::string formatCodeMessage(Code code, std::size_t line, std::string_view a = {}, std::string_view b = {});

} // namespace core::cmdcheck
