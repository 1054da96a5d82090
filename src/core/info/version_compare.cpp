#include "core/info/version_compare.h"

#include <algorithm>
#include <vector>

namespace core::info {
namespace {

//! Components without their leading zeros, so that numbers of any length
//! compare by length first and then digit by digit, with no overflow.
std::optional<std::vector<std::string_view>> components(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto dot = text.find('.', start);
        auto part = text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (part.empty() || !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        part.remove_prefix(std::min(part.find_first_not_of('0'), part.size()));
        parts.push_back(part);
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

std::strong_ordering compareNumbers(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() <=> b.size();
    return a.compare(b) <=> 0;
}

} // namespace

std::optional<std::strong_ordering> compareVersions(std::string_view a, std::string_view b) {
    const auto left = components(a);
    const auto right = components(b);
    if (!left || !right) return std::nullopt;
    const std::size_t count = std::max(left->size(), right->size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto x = i < left->size() ? (*left)[i] : std::string_view();
        const auto y = i < right->size() ? (*right)[i] : std::string_view();
        if (const auto order = compareNumbers(x, y); std::is_neq(order)) return order;
    }
    return std::strong_ordering::equal;
}

} // namespace core::info
