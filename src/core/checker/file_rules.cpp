// Rules of the file commands. They decide from the positions of a few
// substrings, a count of spaces and double quotes: a long name with a space in
// it splits into two arguments for the command interpreter.
#include "core/checker/rules.h"

namespace core::checker::rules {
namespace {

// Accepted when `ok`, else the message; either way the line ends.
Flow acceptOr(LineCheck& line, bool ok, std::size_t length, MessageId problem) {
    if (ok) return line.accept(length);
    line.warn(problem);
    return Flow::EndLine;
}

// A double quote at positions 1 to size-1 (a closing quote that is not last).
bool quoteBeforeEnd(const WorkingText& w) {
    const std::size_t quote = w.find("\"");
    return quote != 0 && quote < w.size();
}

// When the first double quote stands after `after`, takes W up to one character
// past it away; the path counts as quoted when a quote then stands before the end.
bool removeQuotedPrefix(WorkingText& w, std::size_t after) {
    const std::size_t quote = w.find("\"");
    if (quote <= after) return false;
    w.removeFront(quote + 1);
    return quoteBeforeEnd(w);
}

// CD and DIR: a quoted path is never reported; the word is coloured when the
// path's closing quote is found before the end of W.
bool quotedPathColoured(LineCheck& line, std::size_t length) {
    if (line.w.at(1) != '"') return false;
    line.w.removeFront(1);
    if (quoteBeforeEnd(line.w)) line.colour(line.keywordColumn(), length);
    return true;
}

bool hasOverwriteSwitchAt(const WorkingText& w, std::size_t pos) { return w.hasAt(pos, " /Y") || w.hasAt(pos, " /-Y"); }

bool hasOverwriteSwitchAfter(const WorkingText& w, std::size_t pos) {
    return w.find(" /Y") > pos || w.find(" /-Y") > pos;
}

} // namespace

Flow cd(LineCheck& line, std::string_view) {
    line.w.removeFront(3);
    if (quotedPathColoured(line, 2)) return Flow::EndLine;
    return acceptOr(line, line.w.firstSpaceTest(), 2, MessageId::CdArguments);
}

Flow dir(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    w.removeFront(4);
    if (quotedPathColoured(line, 3)) return Flow::EndLine;
    std::size_t switches = 0;
    for (std::string_view option : {" /S", " /W", " /P"})
        if (w.find(option) > 1) ++switches;
    return acceptOr(line, w.spaceCount() == switches, 3, MessageId::DirArguments);
}

// DEL and ERASE: one file, optionally followed by /P.
Flow del(LineCheck& line, std::string_view word) {
    WorkingText& w = line.w;
    const std::size_t length = word.size() - 1;
    const std::size_t quote = w.find("\"");
    if (quote > 4) {
        w.removeFront(quote + 1);
        const std::size_t close = w.find("\"");
        if (close != 0) w.removeFront(close + 1);
        return acceptOr(line, w.startsWith("/P") || w.empty(), length, MessageId::DelSwitch);
    }
    const std::size_t spaces = w.spaceCount();
    if (w.find(" /P") > 1) return acceptOr(line, spaces <= 2, length, MessageId::DelPathSwitch);
    return acceptOr(line, spaces == 1, length, MessageId::DelPath);
}

// DELTREE: one directory, its /Y switch before it.
Flow deltree(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    bool quoted = false;
    if (const std::size_t quote = w.find("\""); quote > 8) {
        w.erase(quote - 1, 2);
        quoted = quoteBeforeEnd(w);
    }
    const std::size_t spaces = w.spaceCount();
    if (w.hasAt(8, " /Y")) return acceptOr(line, spaces <= 2 || quoted, 7, MessageId::DeltreePathSwitch);
    if (spaces == 1 || quoted) line.colour(line.keywordColumn(), 7);
    else if (!line.warn(MessageId::DeltreePath)) return Flow::EndLine;
    if (w.find(" /Y") > 8) line.warn(MessageId::DeltreeOrder);
    return Flow::EndLine;
}

// COPY: source and destination, with /Y or /-Y and /V; files joined by "+" pass.
Flow copy(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    if (w.find("+") > 4) return line.accept(4);
    if (removeQuotedPrefix(w, 5)) return line.accept(4);
    const std::size_t spaces = w.spaceCount();
    const bool overwrite = hasOverwriteSwitchAfter(w, 5);
    const bool verify = w.find(" /V") > 5;
    if (!overwrite) return acceptOr(line, spaces == (verify ? 3u : 2u), 4, MessageId::CopyPath);
    return acceptOr(line, spaces <= (verify ? 4u : 3u), 4, MessageId::CopyPathSwitches);
}

// MOVE: source and destination, its /Y or /-Y switch before them.
Flow move(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    const bool quoted = removeQuotedPrefix(w, 5);
    const std::size_t spaces = w.spaceCount();
    if (hasOverwriteSwitchAt(w, 5)) return acceptOr(line, spaces <= 3 || quoted, 4, MessageId::MovePathSwitch);
    if (spaces == 2 || quoted) line.colour(line.keywordColumn(), 4);
    else if (!line.warn(MessageId::MovePath)) return Flow::EndLine;
    if (hasOverwriteSwitchAfter(w, 5)) line.warn(MessageId::MoveOrder);
    return Flow::EndLine;
}

// REN and RENAME: the old and the new name.
Flow rename(LineCheck& line, std::string_view word) {
    const bool quoted = removeQuotedPrefix(line.w, 4);
    return acceptOr(line, line.w.spaceCount() == 2 || quoted, word.size() - 1, MessageId::RenamePath);
}

// TYPE: one file; quotes give no exemption.
Flow type(LineCheck& line, std::string_view) {
    line.w.removeFront(5);
    return acceptOr(line, line.w.firstSpaceTest(), 4, MessageId::TypeArguments);
}

Flow mkdir(LineCheck& line, std::string_view) {
    line.w.removeFront(6);
    return acceptOr(line, line.w.firstSpaceTest() || line.w.at(1) == '"', 5, MessageId::MkdirArguments);
}

Flow md(LineCheck& line, std::string_view) {
    line.w.removeFront(3);
    return acceptOr(line, line.w.firstSpaceTest() || line.w.at(1) == '"', 2, MessageId::MdArguments);
}

} // namespace core::checker::rules
