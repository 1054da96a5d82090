#pragma once
// Files and folders. Paths are in the file system's encoding (UTF-8 on Linux);
// convert with core::text::toUtf8 / fromUtf8 where a path meets document text.
#include "core/text/file_io.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core::ports {

//! What tells one version of a file from another: its size and last write time.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t written = 0; //!< in the file system's own ticks
    bool operator==(const FileStamp&) const = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual text::ReadResult readFile(const std::string& path) = 0;
    //! Temporary file in the same folder, then rename: the old file survives a failure.
    virtual text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) = 0;
    virtual bool exists(const std::string& path) = 0;
    //! The stamp of the regular file path names (links followed); nothing when
    //! there is none: missing, not a regular file, or not to be looked at.
    virtual std::optional<FileStamp> stamp(const std::string& path);
    //! Short (8.3) form of a path: empty for an empty input; the system's short
    //! form of a path that exists (the path unchanged where the system has none);
    //! the conventional 8.3 alias of a path that cannot be resolved here.
    virtual std::string shortPath(const std::string& path) = 0;
    //! Folder of the executable, ending in a separator: shipped read-only content.
    virtual std::string programFolder() = 0;
    //! Per-user data folder, ending in a separator: the list files and the launcher.
    virtual std::string dataFolder() = 0;
};

} // namespace core::ports
