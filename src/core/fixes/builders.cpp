#include "core/fixes/builders.h"

#include "core/fixes/makers.h"

#include <array>

namespace core::fixes {
namespace {

struct Row {
    std::string_view code;
    Safety safety;
    Maker make;
};

constexpr Safety SAFE = Safety::Safe;
constexpr Safety SUGGESTED = Safety::Suggested;

// Every code with a fix, and how sure its fix is.
constexpr std::array<Row, 13> ROWS = {{
    {"Q003", SAFE, doublePercentClassic},
    {"Q035", SUGGESTED, nearestLabelClassic},
    {"Q101", SAFE, suggestedWord},
    {"Q102", SAFE, suggestedWord},
    {"Q103", SUGGESTED, nearestLabelCmd},
    {"Q106", SAFE, joinElse},
    {"Q109", SAFE, doublePercentCmd},
    {"Q111", SUGGESTED, quoteSet},
    {"Q113", SAFE, quoteComparison},
    {"Q117", SAFE, quoteRedirection},
    {"Q123", SAFE, plainQuotes},
    {"Q124", SAFE, removedCommand},
    {"Q130", SUGGESTED, callLabel},
}};

void offer(const Row& row, const Site& site, std::vector<Fix>& out) {
    auto fix = row.make(site);
    if (!fix || fix->edits.empty()) return;
    fix->code = site.finding.code;
    fix->finding = {site.line(), site.column()};
    fix->safety = row.safety;
    out.push_back(std::move(*fix));
}

} // namespace

std::vector<Fix> fixesFor(const checker::Finding& finding, std::span<const std::string_view> lines) {
    std::vector<Fix> out;
    if (finding.line == 0 || finding.line > lines.size() || finding.column == 0) return out;
    const Site site{finding, lines};
    for (const auto& row : ROWS)
        if (row.code == finding.code) offer(row, site, out);
    return out;
}

std::vector<std::string_view> codesWithFixes(Safety safety) {
    std::vector<std::string_view> out;
    for (const auto& row : ROWS)
        if (row.safety == safety) out.push_back(row.code);
    return out;
}

std::string_view Site::marked() const {
    const std::string_view line = text();
    if (column() + finding.length > line.size()) return {};
    return line.substr(column(), finding.length);
}

Edit Site::replace(std::size_t column, std::size_t length, std::string text) const {
    return {{line(), column}, {line(), column + length}, std::move(text)};
}

} // namespace core::fixes
