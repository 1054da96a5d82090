#pragma once
// Dotted version numbers ("2.1.1.60") compared as numbers, component by
// component; a missing component counts as 0, so "2.1" equals "2.1.0.0".
#include <compare>
#include <optional>
#include <string_view>

namespace core::info {

//! Nothing when either text is not a dotted version: empty, an empty
//! component, or a component that is not all decimal digits.
std::optional<std::strong_ordering> compareVersions(std::string_view a, std::string_view b);

} // namespace core::info
