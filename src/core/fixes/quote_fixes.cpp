// Fixes that add or put right double quotation marks.
#include "core/fixes/line_reading.h"
#include "core/fixes/makers.h"

#include <algorithm>

namespace core::fixes {
namespace {

bool quoted(std::string_view side) { return side.size() >= 2 && side.front() == '"' && side.back() == '"'; }

struct Side {
    std::size_t begin;
    std::size_t end;
};

// The other side of "a==b" next to the side [begin, end), or nothing when the
// comparison is not written with "==".
std::optional<Side> otherSide(std::string_view line, Side side) {
    const std::size_t after = skipBlanks(line, side.end);
    if (line.substr(after).starts_with("==")) {
        const std::size_t begin = skipBlanks(line, after + 2);
        return Side{begin, wordEnd(line, begin)};
    }
    std::size_t before = side.begin;
    while (before > 0 && isBlank(line[before - 1])) --before;
    if (before < 2 || line.substr(before - 2, 2) != "==") return std::nullopt;
    std::size_t end = before - 2;
    while (end > 0 && isBlank(line[end - 1])) --end;
    std::size_t begin = end;
    while (begin > 0 && !isBlank(line[begin - 1])) --begin;
    return Side{begin, end};
}

// Quotes around one side; an argument %1 becomes "%~1" so that quotes it holds are not doubled.
bool quoteSide(const Site& site, std::string_view line, Side side, std::vector<Edit>& edits) {
    const std::string_view text = line.substr(side.begin, side.end - side.begin);
    if (text.empty() || text.find_first_of("()&|<>^") != std::string_view::npos) return false;
    if (quoted(text)) return text.find('"', 1) == text.size() - 1;
    if (text.find('"') != std::string_view::npos) return false;
    if (text.size() == 2 && text[0] == '%' && text[1] >= '0' && text[1] <= '9') {
        edits.push_back(site.replace(side.begin, 2, std::string("\"%~") + text[1] + '"'));
    } else {
        edits.push_back(site.insert(side.begin, "\""));
        edits.push_back(site.insert(side.end, "\""));
    }
    return true;
}

// The typographic quotation marks of Windows-1252: ‘ ’ “ ”.
bool typographic(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x91 && byte <= 0x94;
}

} // namespace

std::optional<Fix> quoteComparison(const Site& site) {
    const std::string_view line = site.text();
    const Side marked{site.column(), site.column() + site.marked().size()};
    if (marked.end == marked.begin) return std::nullopt;
    const auto other = otherSide(line, marked);
    if (!other) return std::nullopt;
    Fix fix = made("Enclose both sides in double quotation marks", {});
    if (!quoteSide(site, line, marked, fix.edits) || !quoteSide(site, line, *other, fix.edits)) return std::nullopt;
    return fix;
}

std::optional<Fix> quoteRedirection(const Site& site) {
    const std::string_view target = site.marked();
    if (target.empty() || target.find_first_of("\"&|<>()") != std::string_view::npos) return std::nullopt;
    return made("Enclose the path in double quotation marks",
                {site.insert(site.column(), "\""), site.insert(site.column() + target.size(), "\"")});
}

std::optional<Fix> plainQuotes(const Site& site) {
    const std::string_view line = site.text();
    const std::size_t begin = site.finding.length == 0 ? 0 : site.column();
    const std::size_t end = site.finding.length == 0 ? line.size() : begin + site.marked().size();
    Fix fix = made("Use straight double quotation marks", {});
    for (std::size_t at = begin; at < end; ++at)
        if (typographic(line[at])) fix.edits.push_back(site.replace(at, 1, "\""));
    if (fix.edits.empty()) return std::nullopt;
    return fix;
}

std::optional<Fix> quoteSet(const Site& site) {
    const std::string_view line = site.text();
    const std::size_t name = site.column();
    if (!commandBefore(line, name, "SET")) return std::nullopt;
    const std::size_t equals = line.find('=', name);
    if (equals == std::string_view::npos || line.find_first_of("\"&|<>^()", name) != std::string_view::npos)
        return std::nullopt;
    std::size_t nameEnd = equals;
    while (nameEnd > name && isBlank(line[nameEnd - 1])) --nameEnd;
    const std::size_t value = skipBlanks(line, equals + 1);
    if (nameEnd == name || value == line.size()) return std::nullopt;
    Fix fix = made("Write SET \"NAME=value\"", {site.insert(name, "\"")});
    if (nameEnd < equals) fix.edits.push_back(site.replace(nameEnd, equals - nameEnd, {}));
    if (value > equals + 1) fix.edits.push_back(site.replace(equals + 1, value - equals - 1, {}));
    fix.edits.push_back(site.insert(line.size(), "\""));
    return fix;
}

} // namespace core::fixes
