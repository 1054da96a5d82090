#include "core/fixes/line_reading.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <numeric>

namespace core::fixes {
namespace {

std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const bool same = text::toUpper(a[i - 1]) == text::toUpper(b[j - 1]);
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

} // namespace

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLetter(char c) { return isLower(c) || isUpper(c); }
bool isWordChar(char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.'; }

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    return at;
}

std::size_t wordEnd(std::string_view line, std::size_t at) {
    while (at < line.size() && !isBlank(line[at])) ++at;
    return at;
}

bool commandBefore(std::string_view line, std::size_t at, std::string_view word) {
    std::size_t end = std::min(at, line.size());
    while (end > 0 && isBlank(line[end - 1])) --end;
    if (end == at || end < word.size()) return false;
    const std::size_t begin = end - word.size();
    if (!text::equalsIgnoreCase(line.substr(begin, word.size()), word)) return false;
    return begin == 0 || std::string_view(" \t@(&").find(line[begin - 1]) != std::string_view::npos;
}

std::vector<std::string> labelNames(std::span<const std::string_view> lines) {
    std::vector<std::string> out;
    for (const auto line : lines) {
        const std::size_t colon = skipBlanks(line, 0);
        if (colon >= line.size() || line[colon] != ':' || line.substr(colon).starts_with("::")) continue;
        const std::size_t end = line.find_first_of(" \t:+,;=", colon + 1);
        const std::string_view name = line.substr(colon + 1, end == std::string_view::npos ? end : end - colon - 1);
        if (!name.empty()) out.emplace_back(name);
    }
    return out;
}

std::optional<std::string> nearestLabel(std::string_view name, const std::vector<std::string>& labels) {
    // One slip in a short name, two in a long one: more is another name.
    const std::size_t limit = std::clamp<std::size_t>(name.size() / 4, 1, 2);
    std::optional<std::string> best;
    std::size_t bestDistance = limit + 1;
    bool tie = false;
    for (const auto& label : labels) {
        const std::size_t d = distance(name, label);
        if (d < bestDistance) {
            best = label;
            bestDistance = d;
            tie = false;
        } else if (d == bestDistance && best && !text::equalsIgnoreCase(*best, label)) {
            tie = true;
        }
    }
    if (tie || bestDistance == 0) return std::nullopt;
    return best;
}

std::string inCaseOf(std::string_view like, std::string_view word) {
    const bool anyUpper = std::any_of(like.begin(), like.end(), isUpper);
    const bool anyLower = std::any_of(like.begin(), like.end(), isLower);
    std::string out(word);
    if (!anyLower) return out;
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return isUpper(c) ? static_cast<char>(c + 32) : c; });
    const std::size_t first = like.find_first_not_of("/\\-");
    const std::size_t mine = out.find_first_not_of("/\\-");
    if (anyUpper && first != std::string_view::npos && mine != std::string::npos && isUpper(like[first]) && isLower(out[mine]))
        out[mine] = static_cast<char>(out[mine] - 32);
    return out;
}

} // namespace core::fixes
