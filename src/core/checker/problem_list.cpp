#include "core/checker/problem_list.h"

#include "core/checker/name_set.h"

#include <algorithm>

namespace core::checker {
namespace {

int severityRank(Severity severity) {
    switch (severity) {
    case Severity::Error: return 0;
    case Severity::Warning: return 1;
    case Severity::Info: return 2;
    }
    return 1;
}

// -1, 0 or 1: how two rows compare under a column.
int compare(const Finding& a, const Finding& b, ProblemColumn column) {
    const auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (column) {
    case ProblemColumn::Line: return order(a.line, b.line);
    case ProblemColumn::Code: return order(a.code, b.code);
    case ProblemColumn::Severity: return order(severityRank(a.severity), severityRank(b.severity));
    case ProblemColumn::Text: return order(a.text, b.text);
    }
    return 0;
}

} // namespace

void ProblemList::setFindings(std::vector<Finding> findings) {
    m_rows = std::move(findings);
    sortBy(ProblemColumn::Line, false);
}

std::string ProblemList::cell(std::size_t row, ProblemColumn column) const {
    const Finding& finding = m_rows[row];
    switch (column) {
    case ProblemColumn::Line: return std::to_string(finding.line);
    case ProblemColumn::Code: return finding.code;
    case ProblemColumn::Severity: return std::string(severityName(finding.severity));
    case ProblemColumn::Text: return finding.text;
    }
    return {};
}

std::string_view ProblemList::heading(ProblemColumn column) {
    switch (column) {
    case ProblemColumn::Line: return "Line";
    case ProblemColumn::Code: return "Code";
    case ProblemColumn::Severity: return "Severity";
    case ProblemColumn::Text: return "Problem";
    }
    return {};
}

void ProblemList::sortBy(ProblemColumn column, bool descending) {
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Finding& a, const Finding& b) {
        const int byColumn = compare(a, b, column);
        if (byColumn != 0) return descending ? byColumn > 0 : byColumn < 0;
        return a.line < b.line;
    });
}

std::optional<std::string> ProblemList::ignoreEntry(std::size_t row) const {
    if (row >= m_rows.size() || m_rows[row].ignoreKey.empty()) return std::nullopt;
    return m_rows[row].ignoreKey;
}

bool ProblemList::ignore(std::size_t row, std::vector<std::string>& ignoredCommands) {
    const auto entry = ignoreEntry(row);
    if (!entry) return false;
    NameSet listed;
    for (const auto& command : ignoredCommands) listed.add(command);
    if (!listed.contains(*entry)) ignoredCommands.push_back(*entry);
    NameSet silenced;
    silenced.add(*entry);
    std::erase_if(m_rows, [&](const Finding& f) { return !f.ignoreKey.empty() && silenced.contains(f.ignoreKey); });
    return true;
}

std::vector<ProblemMarker> ProblemList::markers() const {
    // By line, the findings of one line in the list's order.
    std::vector<const Finding*> byLine;
    byLine.reserve(m_rows.size());
    for (const auto& finding : m_rows) byLine.push_back(&finding);
    std::stable_sort(byLine.begin(), byLine.end(), [](const Finding* a, const Finding* b) { return a->line < b->line; });
    std::vector<ProblemMarker> markers;
    for (const Finding* finding : byLine) {
        if (markers.empty() || markers.back().line != finding->line) {
            markers.push_back({finding->line, finding->text, finding->severity});
            continue;
        }
        markers.back().tooltip.append("\n").append(finding->text);
        // Error comes first in the enum: the smaller, the graver.
        markers.back().severity = std::min(markers.back().severity, finding->severity);
    }
    return markers;
}

std::string ProblemList::summary() const {
    if (m_rows.empty()) return "No problems";
    return std::to_string(m_rows.size()) + (m_rows.size() == 1 ? " problem" : " problems");
}

} // namespace core::checker
