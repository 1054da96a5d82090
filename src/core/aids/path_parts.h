#pragma once
// Pieces of DOS and Windows paths as they appear in document text.
#include <cstddef>
#include <string_view>
#include <vector>

namespace core::aids {

//! DOS and Windows accept both '\' and '/' between names.
constexpr bool isSeparator(char c) { return c == '\\' || c == '/'; }

//! Length of the prefix that says where a path lives: "X:" or the UNC prefix
//! "\\server\share" (the whole text when the share is missing); 0 when none.
std::size_t drivePrefixLength(std::string_view path);

//! The names between separators, empty ones left out: "\A\\B\" gives A, B.
std::vector<std::string_view> namesOf(std::string_view path);

} // namespace core::aids
