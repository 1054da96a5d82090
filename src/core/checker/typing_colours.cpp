#include "core/checker/typing_colours.h"

#include <array>
#include <string_view>

namespace core::checker {
namespace {

// The words the classic rules colour as commands when they start a line.
constexpr std::array<std::string_view, 24> CLASSIC = {
    "cd",   "cls",   "copy",   "date", "del", "deltree", "dir",  "echo", "erase", "for",  "goto",  "if",
    "md",   "mkdir", "move",   "net",  "pause", "ren",   "rename", "set", "start", "time", "type", "lfnfor"};

// Today's interpreter colours the first word of every command; these words are
// also coloured where they follow another (IF ... ELSE, FOR ... DO).
constexpr std::array<std::string_view, 45> CMD = {
    "assoc",    "break", "call",   "cd",     "chdir", "cls",   "color", "copy",  "date",  "del",   "dir",   "dpath",
    "echo",     "else",  "endlocal", "erase", "exit",  "for",   "ftype", "goto",  "if",    "keys",  "md",    "mkdir",
    "mklink",   "move",  "path",   "pause",  "popd",  "prompt", "pushd", "rd",   "ren",   "rename", "rmdir", "set",
    "setlocal", "shift", "start",  "time",   "title", "type",  "ver",   "verify", "vol"};

template <std::size_t N> std::string joined(const std::array<std::string_view, N>& words) {
    std::string out;
    for (const auto word : words) {
        if (!out.empty()) out += ' ';
        out += word;
    }
    return out;
}

} // namespace

TypingColours typingColoursOf(RuleSet rules) {
    if (rules == RuleSet::Cmd) return {joined(CMD), true};
    return {joined(CLASSIC), false};
}

} // namespace core::checker
