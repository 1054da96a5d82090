#pragma once
// How documents are named: display names, captions and the letter-case-blind
// comparison of captions.
#include <string>
#include <string_view>

namespace core::documents {

//! The file-name part of a name: everything after the last '\', '/' or ':'.
std::string_view displayName(std::string_view name);
//! The tab caption: the display name, plus "*" while modified.
std::string captionOf(std::string_view name, bool modified);
//! "Untitled.bat" for 0, else "Untitled" + n + ".bat".
std::string untitledName(int n);
//! True when name begins with "Untitled" (exact letter case).
bool isUntitled(std::string_view name);
//! Equality ignoring letter case (Windows-1252 rules) of two UTF-8 texts.
bool captionsMatch(std::string_view a, std::string_view b);

} // namespace core::documents
