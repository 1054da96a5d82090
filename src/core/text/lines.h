#pragma once
// Line model of a document: lines are read at CR LF, CR or LF and written with
// CR LF after every line, the last one included.
#include <string>
#include <string_view>
#include <vector>

namespace core::text {

inline constexpr std::string_view CRLF = "\r\n";

//! Splits bytes into lines at CR LF, CR or LF. A final line break ends the last
//! line rather than starting an empty one; empty input gives no lines.
std::vector<std::string> splitLines(std::string_view bytes);
//! The same lines as views into `bytes`, for large texts read once.
std::vector<std::string_view> splitLineViews(std::string_view bytes);
//! How many lines splitLineViews finds in `bytes`.
std::size_t countLines(std::string_view bytes);
//! The views splitLineViews makes, constructed in place at `out`, which has
//! room for countLines(bytes) of them (a large file's lines are split on
//! several threads into one block).
void splitLineViewsInto(std::string_view bytes, std::string_view* out);

//! Joins lines with CR LF after every line, the last one included.
std::string joinLines(const std::vector<std::string>& lines);

//! Caret offsets count each line break as two characters: the offset of the
//! start of line `index` (0-based) within `lines`.
std::size_t offsetOfLine(const std::vector<std::string>& lines, std::size_t index);

//! Removes leading and trailing spaces (only ' ').
std::string_view trimSpaces(std::string_view text);

} // namespace core::text
