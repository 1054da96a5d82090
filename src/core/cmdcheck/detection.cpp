#include "core/cmdcheck/detection.h"

#include "core/cmdcheck/command_tables.h"
#include "core/cmdcheck/walk.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace core::cmdcheck {
namespace {

constexpr std::array<std::string_view, 45> MARKS = {
    "SETLOCAL",  "ENDLOCAL",     "PUSHD",      "POPD",     "EXIT /B",    "CALL :",     "GOTO :EOF", "IF /I",
    "DEFINED ",  ") ELSE",       ")ELSE",      "FOR /F",   "FOR /D",     "FOR /R",     "FOR /L",    "SET /A",
    "SET /P",    "%~",           ":~",         "&&",       "||",         " EQU ",      " NEQ ",     " LSS ",
    " LEQ ",     " GTR ",        " GEQ ",      "%%~",      "ELSE (",     "ELSE(",      "2>",        "CD /D",
    "RD /S",     "RMDIR /S",     "DEL /Q",     "DEL /F",   "DEL /S",     "START \"",   "%ERRORLEVEL%", "%CD%",
    "%DATE%",    "%TIME%",       "%RANDOM%",   "MKLINK",   "%*"};

// Programs and commands DOS machines had too: calling them says nothing.
constexpr std::array<std::string_view, 24> DOS_PROGRAMS = {
    "ATTRIB", "CHKDSK",  "CHOICE",  "COMP",  "DOSKEY", "EXPAND", "FC",    "FIND",
    "FORMAT", "LABEL",   "MEM",     "MODE",  "MORE",   "PRINT",  "RECOVER", "REPLACE",
    "SORT",   "SUBST",   "TREE",    "XCOPY", "EDIT",   "HELP",   "NET",   "DELTREE"};

// The marks grouped by their first character, so that one pass over a line
// finds any of them (45 searches per line made F7 on a large file slow).
using MarksByFirst = std::array<std::vector<std::string_view>, 256>;

const MarksByFirst& marksByFirst() {
    static const MarksByFirst grouped = [] {
        MarksByFirst out;
        for (const auto mark : MARKS) out[static_cast<unsigned char>(mark.front())].push_back(mark);
        return out;
    }();
    return grouped;
}

bool hasMark(std::string_view upper) {
    const auto& grouped = marksByFirst();
    for (std::size_t i = 0; i < upper.size(); ++i)
        for (const auto mark : grouped[static_cast<unsigned char>(upper[i])])
            if (upper.substr(i, mark.size()) == mark) return true;
    return false;
}

bool opensIfBlock(std::string_view upper) {
    std::size_t pos = upper.find_first_not_of(" \t@");
    if (pos == std::string_view::npos || upper.substr(pos, 3) != "IF ") return false;
    const std::size_t last = upper.find_last_not_of(" \t");
    return upper[last] == '(';
}

bool delayedVariable(std::string_view line) {
    const std::size_t open = line.find('!');
    if (open == std::string_view::npos) return false;
    const std::size_t close = line.find('!', open + 1);
    if (close == std::string_view::npos || close == open + 1) return false;
    for (std::size_t i = open + 1; i < close; ++i)
        if (isBlank(line[i])) return false;
    return true;
}

// A block line, a continued line, or a call of a program of today's Windows
// or of a build tool.
bool modernLine(std::string_view upper) {
    const std::size_t pos = upper.find_first_not_of(" \t@");
    if (pos == std::string_view::npos) return false;
    if (upper[pos] == '(' || upper[pos] == ')' || upper[pos] == '"' || upper.back() == '^') return true;
    const std::size_t exit = upper.find("EXIT ");
    if (exit != std::string_view::npos && exit + 5 < upper.size() &&
        (std::isdigit(static_cast<unsigned char>(upper[exit + 5])) || upper[exit + 5] == '%'))
        return true;
    std::size_t end = pos;
    while (end < upper.size() && (isLetterOrDigit(upper[end]) || upper[end] == '-')) ++end;
    if (upper.substr(pos, end - pos) == "CALL" && end < upper.size()) return modernLine(upper.substr(end));
    const std::string_view word = upper.substr(pos, end - pos);
    for (const auto dos : DOS_PROGRAMS)
        if (word == dos) return false;
    return isKnownProgram(word);
}

} // namespace

bool usesCmdFeatures(const std::vector<std::string>& lines) {
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    return usesCmdFeatures(views);
}

bool usesCmdFeatures(std::span<const std::string_view> lines) {
    for (const auto line : lines) {
        const std::string upper = text::toUpper(line);
        if (hasMark(upper) || opensIfBlock(upper) || modernLine(upper) || delayedVariable(line)) return true;
    }
    return false;
}

} // namespace core::cmdcheck
