#include "core/fixes/line_reading.h"

#include "core/text/codepage.h"

#include <algorithm>

namespace core::fixes {
namespace {

// Edits between two names, letter case ignored; swapping two neighbouring
// letters counts as one slip.
std::size_t distance(std::string_view a, std::string_view b) {
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * width);
    const auto cell = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * width + j]; };
    const auto same = [&](std::size_t i, std::size_t j) { return text::toUpper(a[i]) == text::toUpper(b[j]); };
    for (std::size_t i = 0; i <= a.size(); ++i) cell(i, 0) = i;
    for (std::size_t j = 0; j <= b.size(); ++j) cell(0, j) = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            cell(i, j) = std::min({cell(i - 1, j) + 1, cell(i, j - 1) + 1, cell(i - 1, j - 1) + (same(i - 1, j - 1) ? 0 : 1)});
            if (i > 1 && j > 1 && same(i - 1, j - 2) && same(i - 2, j - 1)) cell(i, j) = std::min(cell(i, j), cell(i - 2, j - 2) + 1);
        }
    }
    return cell(a.size(), b.size());
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
