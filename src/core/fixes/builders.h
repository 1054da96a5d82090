#pragma once
// The fix builders, one per finding code in one table: each reads the finding
// and the document's lines (one byte per character, Windows-1252, as the
// checker read them) and returns the fixes that surely help, or none.
#include "core/checker/syntax_checker.h"
#include "core/fixes/fix.h"

#include <span>
#include <string_view>
#include <vector>

namespace core::fixes {

//! The fixes of one finding.
std::vector<Fix> fixesFor(const checker::Finding& finding, std::span<const std::string_view> lines);

//! The codes that have a fix of the safety, in code order.
std::vector<std::string_view> codesWithFixes(Safety safety);

} // namespace core::fixes
