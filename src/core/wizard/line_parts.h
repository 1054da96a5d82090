#pragma once
// Small pieces the generators of these pages build their lines from.
#include <string>
#include <string_view>
#include <vector>

namespace core::wizard {

//! The text between double quotes, which are part of the line.
inline std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

//! A memo the user has emptied may come back as no line or as one empty line;
//! both mean that it holds no text.
inline bool holdsText(const std::vector<std::string>& lines) {
    return lines.size() > 1 || (lines.size() == 1 && !lines.front().empty());
}

//! The lines of a memo, none when it holds no text.
inline std::vector<std::string> memoLines(const std::vector<std::string>& lines) {
    return holdsText(lines) ? lines : std::vector<std::string>{};
}

} // namespace core::wizard
