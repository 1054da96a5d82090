#pragma once
// The fix builders behind the table of builders.cpp. Each gets the finding's
// place and the lines, and returns the fix or nothing when no edit is sure.
#include "core/checker/syntax_checker.h"
#include "core/fixes/fix.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::fixes {

//! What a builder reads: the finding and the lines it is about.
struct Site {
    const checker::Finding& finding;
    std::span<const std::string_view> lines;
    std::size_t line() const { return finding.line - 1; }
    std::size_t column() const { return finding.column - 1; }
    std::string_view text() const { return finding.line - 1 < lines.size() ? lines[finding.line - 1] : std::string_view(); }
    //! The characters the finding marks; empty when they are not all on the line.
    std::string_view marked() const;
    Edit replace(std::size_t column, std::size_t length, std::string text) const;
    Edit insert(std::size_t column, std::string text) const { return replace(column, 0, std::move(text)); }
};

using Maker = std::optional<Fix> (*)(const Site& site);

//! A fix with its title and edits; the table fills in the rest.
inline Fix made(std::string title, std::vector<Edit> edits) {
    Fix fix;
    fix.title = std::move(title);
    fix.edits = std::move(edits);
    return fix;
}

// Words
std::optional<Fix> suggestedWord(const Site& site);      // the word the message suggests
std::optional<Fix> nearestLabelCmd(const Site& site);    // GOTO/CALL :name -> nearest label
std::optional<Fix> nearestLabelClassic(const Site& site);
std::optional<Fix> callLabel(const Site& site);          // CALL sub -> CALL :sub
std::optional<Fix> removedCommand(const Site& site);     // DELTREE, START /M -> today's forms
// Quotes
std::optional<Fix> quoteComparison(const Site& site);
std::optional<Fix> quoteRedirection(const Site& site);
std::optional<Fix> plainQuotes(const Site& site);        // typographic quotes -> '"'
std::optional<Fix> quoteSet(const Site& site);           // SET X = 1 -> SET "X=1"
// Lines
std::optional<Fix> joinElse(const Site& site);
std::optional<Fix> doublePercentCmd(const Site& site);
std::optional<Fix> doublePercentClassic(const Site& site);

} // namespace core::fixes
