#pragma once
// Rules that look at one command, one expansion or one physical line, apart
// from the walk's state: each takes what the walk parsed and adds its
// findings to `out`. The walk calls them where it parses that text.
#include "core/cmdcheck/walk.h"

#include <span>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

//! A command as parsed: the logical line, its command word (upper-case key)
//! and its arguments.
struct CommandView {
    std::string_view text;
    Word word;
    std::string_view key;
    std::span<const Word> args;
    std::string_view textOf(const Word& w) const { return text.substr(w.begin, w.end - w.begin); }
};

using Drafts = std::vector<FindingDraft>;

//! Q101: a short word one slip from SET, ECHO or IF, where the rest of the line
//! has the shape that command takes (NAME=, text, a comparison).
void shortMisspelling(const CommandView& command, Drafts& out);
//! Q118: a quoted program path whose quotation mark is never closed.
void unclosedProgramQuote(const CommandView& command, Drafts& out);
//! Q121: CD to a network path.
void cdToNetworkPath(const CommandView& command, Drafts& out);
//! Q123: typographic quotation marks in place of '"', and single quotes
//! around a path with blanks.
void wrongQuotes(const CommandView& command, Drafts& out);
//! Q124: commands and switches today's Windows no longer has.
void removedCommand(const CommandView& command, Drafts& out);
//! Q125: SET /P without a variable.
void promptWithoutVariable(const CommandView& command, Drafts& out);
//! Q126: a '^' in an unquoted SET /A expression (cmd takes it as an escape).
void arithmeticCaret(const CommandView& command, Drafts& out);
//! Q128: a lone '%' in ECHO text (dropped in a batch file).
void lonePercent(const CommandView& command, Drafts& out);
//! Q130: CALL NAME where the file has the label :NAME.
void callWithoutColon(const CommandView& command, bool labelExists, Drafts& out);

//! Q120: what is wrong with the '%' expansion at `pos`, if anything.
void expansionSyntax(std::string_view text, std::size_t pos, Drafts& out);
//! Q122: a line whose continuing '^' is followed by blanks; `line` is its
//! last physical line, which ends `text` at `lineStart`.
void caretBeforeBlanks(std::string_view text, std::size_t lineStart, Drafts& out);

//! Whether `upper` is a word the given command word is one slip from.
bool oneSlipFrom(std::string_view upper, std::string_view known);

} // namespace core::cmdcheck
