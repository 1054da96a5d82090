#pragma once
// The Problems list: every finding of the last check as rows the window shows,
// their order, the markers beside the lines, and what Ignore adds.
#include "core/checker/syntax_checker.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace core::checker {

enum class ProblemColumn { Line, Code, Severity, Text };
inline constexpr std::size_t PROBLEM_COLUMNS = 4;

//! One line of the editor with findings: the marker's tooltip names them all.
struct ProblemMarker {
    std::size_t line = 0; //!< 1-based
    std::string tooltip;  //!< UTF-8, one finding per line
    Severity severity = Severity::Info; //!< the gravest finding of the line
};

class ProblemList {
public:
    //! The findings of a check, shown by line (findings of one line in check order).
    void setFindings(std::vector<Finding> findings);
    std::size_t size() const { return m_rows.size(); }
    const Finding& row(std::size_t index) const { return m_rows[index]; }
    //! What a cell shows (UTF-8).
    std::string cell(std::size_t row, ProblemColumn column) const;
    static std::string_view heading(ProblemColumn column);
    //! Sorts by a column; rows that tie keep their line order.
    void sortBy(ProblemColumn column, bool descending);

    //! The entry Ignore adds to the Ignore list for a row; nothing when the finding cannot be ignored.
    std::optional<std::string> ignoreEntry(std::size_t row) const;
    //! Ignore from the list: appends the row's entry to `ignoredCommands` (once) and
    //! drops every row it silences. False when the row cannot be ignored.
    bool ignore(std::size_t row, std::vector<std::string>& ignoredCommands);

    //! One marker per line with findings, in line order.
    std::vector<ProblemMarker> markers() const;
    //! The status bar's note: "No problems", "1 problem", "12 problems".
    std::string summary() const;

private:
    std::vector<Finding> m_rows;
};

} // namespace core::checker
