#pragma once
// Find, replace and go to line on the current document, over the EditorView
// port (no widget code here, so the rules read and test on their own).
// Texts are UTF-8 (matches are byte sequences, so a character is never split);
// offsets are byte offsets with a line break counted as two.
#include "core/ports/editor_view.h"

#include <cstddef>
#include <optional>
#include <string>

namespace core::documents {

//! Find Next: from the end of the selection, or from the very start when
//! nothing is selected; case-sensitive, forward. Selects the match; false
//! (selection untouched) when there is none.
bool findNext(core::ports::EditorView& view, const std::string& needle);

//! Replace: the first occurrence in the whole text, from the very start,
//! whatever is selected. False when there is none.
bool replaceFirst(core::ports::EditorView& view, const std::string& needle, const std::string& replacement);

//! Replace All: every non-overlapping occurrence, left to right from the
//! start. Returns how many were replaced.
std::size_t replaceAll(core::ports::EditorView& view, const std::string& needle, const std::string& replacement);

//! The entry of the Go to line box read as an integer the way the platform's
//! conversion reads one: optional leading blanks, an optional sign, decimal
//! digits (leading zeros allowed), nothing after them, within int's range.
std::optional<int> parseInteger(const std::string& entry);
//! "'X' is not a valid integer value."
std::string notAnIntegerMessage(const std::string& entry);
//! "The line \"n\" does not exist."
std::string noSuchLineMessage(int line);

//! Go to line n (1-based): caret at the line's first character, nothing
//! selected. False when n is below 1 or beyond the last line.
bool goToLine(core::ports::EditorView& view, int line);

} // namespace core::documents
