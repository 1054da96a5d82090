// Fixes that reach over more than a word: ELSE joined to its ')', a FOR
// variable's percent signs doubled through the whole FOR.
#include "core/fixes/line_reading.h"
#include "core/fixes/makers.h"
#include "core/text/codepage.h"

namespace core::fixes {
namespace {

std::string_view trimmed(std::string_view line) {
    const std::size_t begin = skipBlanks(line, 0);
    std::size_t end = line.size();
    while (end > begin && isBlank(line[end - 1])) --end;
    return line.substr(begin, end - begin);
}

// How many blocks a line opens (negative: closes), quoted text aside.
int blockDepthChange(std::string_view line) {
    int depth = 0;
    bool inQuotes = false;
    for (char c : line) {
        if (c == '"') inQuotes = !inQuotes;
        else if (!inQuotes && c == '(') ++depth;
        else if (!inQuotes && c == ')') --depth;
    }
    return depth;
}

bool isAlphaNumeric(char c) { return isLetter(c) || (c >= '0' && c <= '9'); }

// Each %V of the FOR variable V on a line, where one '%' stands for two;
// %%V, %NAME% and %V followed by more of a name are left alone.
void doubleOnLine(std::string_view line, std::size_t index, char variable, std::vector<Edit>& edits) {
    for (std::size_t at = 0; at + 1 < line.size();) {
        if (line[at] != '%') {
            ++at;
        } else if (line[at + 1] == '%') {
            at += 2;
        } else if (line[at + 1] == variable && (at + 2 >= line.size() || !(isAlphaNumeric(line[at + 2]) || line[at + 2] == '%'))) {
            edits.push_back({{index, at}, {index, at}, "%"});
            at += 2;
        } else {
            const std::size_t close = line.find_first_of("% \t", at + 1);
            at = close != std::string_view::npos && line[close] == '%' ? close + 1 : at + 1;
        }
    }
}

// The FOR's variable is doubled on its line and, when the line opens a block,
// on every line up to the block's end.
std::optional<Fix> doubleFrom(const Site& site, std::size_t head) {
    const std::string_view line = site.text();
    if (head + 1 >= line.size() || line[head] != '%' || !isLetter(line[head + 1])) return std::nullopt;
    const char variable = line[head + 1];
    Fix fix = made(std::string("Write %%") + variable, {});
    int depth = 0;
    for (std::size_t index = site.line(); index < site.lines.size(); ++index) {
        doubleOnLine(site.lines[index], index, variable, fix.edits);
        depth += blockDepthChange(site.lines[index]);
        if (depth <= 0) break;
    }
    const bool headDoubled = !fix.edits.empty() && fix.edits.front().start == Position{site.line(), head};
    if (!headDoubled) return std::nullopt;
    return fix;
}

} // namespace

std::optional<Fix> joinElse(const Site& site) {
    const std::size_t line = site.line();
    if (line == 0 || skipBlanks(site.text(), 0) != site.column()) return std::nullopt;
    const std::string_view before = site.lines[line - 1];
    if (trimmed(before) != ")") return std::nullopt;
    const std::size_t close = before.find(')');
    return made("Put ELSE after the ')' of the line before", {{{line - 1, close + 1}, {line, site.column()}, " "}});
}

std::optional<Fix> doublePercentCmd(const Site& site) { return doubleFrom(site, site.column()); }

std::optional<Fix> doublePercentClassic(const Site& site) {
    const std::string_view line = site.text();
    const std::size_t word = line.find_first_not_of(" \t@");
    if (word == std::string_view::npos || !text::equalsIgnoreCase(line.substr(word, 3), "FOR") || word + 3 >= line.size() || !isBlank(line[word + 3]))
        return std::nullopt;
    return doubleFrom(site, skipBlanks(line, word + 3));
}

} // namespace core::fixes
