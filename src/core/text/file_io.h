#pragma once
// Whole-file reading and atomic writing with the standard library only.
// Paths are in the file system's own encoding (UTF-8 on Linux).
#include <string>
#include <string_view>

namespace core::text {

struct ReadResult {
    bool ok = false;
    std::string bytes;
    std::string error; //!< the system's error text when !ok
};

struct WriteResult {
    bool ok = false;
    std::string error; //!< the system's error text when !ok
};

//! Reads a whole file as bytes.
ReadResult readFile(const std::string& path);

//! Writes bytes to a temporary file in the target's folder and renames it over
//! the target, so a failed write never leaves a truncated file behind: on any
//! failure the old file is untouched and the temporary file removed. An existing
//! target keeps its permissions.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace core::text
