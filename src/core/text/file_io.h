#pragma once
// Whole-file reading and safe writing with the standard library (and, on
// POSIX systems, the few system calls the standard library lacks).
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

//! The error text for a path that names a FIFO, a device or a socket.
inline constexpr std::string_view NOT_A_REGULAR_FILE = "Is not a regular file";

//! Reads a whole regular file as bytes. Anything else (a directory, a FIFO, a
//! device) is refused without waiting on it.
ReadResult readFile(const std::string& path);

//! Writes bytes to the file path names, so that a failed write never leaves a
//! truncated file behind: the old contents stay, no temporary file is left.
//! A symbolic link is followed and its target written. Normally the bytes go
//! to a temporary file in the target's folder, which is synced and renamed
//! over the target with the target's permissions and owner. A target with
//! other hard links, whose owner cannot be kept, or in a folder where no
//! temporary file can be made, is rewritten in place instead: its old contents
//! are held until the new ones are written and synced, and put back on failure.
//! A target that is not a regular file is never replaced, and a file without
//! write permission (for its user; for the superuser, a file no write bit is
//! set on) is refused with "Permission denied", nothing written.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

//! Makes folder and its parents; the error names the folder and the reason.
WriteResult makeFolder(const std::string& folder);

//! Makes a write past the process's file-size limit fail with "File too large"
//! instead of ending the process (the signal's default). Each program calls it
//! first thing; a write calls it too, so a host that forgot still keeps its work.
void ignoreFileSizeSignal();

} // namespace core::text
