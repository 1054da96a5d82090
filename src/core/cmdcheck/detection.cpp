#include "core/cmdcheck/detection.h"

#include "core/cmdcheck/walk.h"

#include <array>
#include <string_view>

namespace core::cmdcheck {
namespace {

constexpr std::array<std::string_view, 30> MARKS = {
    "SETLOCAL",  "ENDLOCAL",  "PUSHD",      "POPD",   "EXIT /B", "CALL :",  "GOTO :EOF", "IF /I",
    "DEFINED ",  ") ELSE",    ")ELSE",      "FOR /F", "FOR /D",  "FOR /R",  "FOR /L",    "SET /A",
    "SET /P",    "%~",        ":~",         "&&",     "||",      " EQU ",   " NEQ ",     " LSS ",
    " LEQ ",     " GTR ",     " GEQ ",      "%%~",    "ELSE (",  "ELSE("};

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

} // namespace

bool usesCmdFeatures(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        const std::string upper = upperOf(line);
        for (const auto mark : MARKS)
            if (upper.find(mark) != std::string::npos) return true;
        if (opensIfBlock(upper) || delayedVariable(line)) return true;
    }
    return false;
}

} // namespace core::cmdcheck
