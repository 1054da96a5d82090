#pragma once
// How large a file the window opens, and how its size is said.
#include <cstdint>
#include <string>

namespace core::documents {

//! The largest file the window opens: 64 MB. The editor holds the text several
//! times over (the bytes read, the decoded text, the editor's own copy and its
//! undo history), while a batch file is seldom more than a few hundred KB.
inline constexpr std::uintmax_t MAX_OPEN_BYTES = std::uintmax_t{64} * 1024 * 1024;

//! "512 bytes", "1.5 KB", "64.1 MB", "10.0 GB": the largest unit that fits
//! (1024-based), tenths rounded up, so a size past a limit never reads as the limit.
std::string sizeText(std::uintmax_t bytes);

} // namespace core::documents
