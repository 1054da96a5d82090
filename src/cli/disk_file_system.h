#pragma once
// The file system of `qlt`: the real disk through the standard library.
#include "core/ports/file_system.h"

namespace cli {

class DiskFileSystem : public core::ports::FileSystem {
public:
    core::text::ReadResult readFile(const std::string& path) override;
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override;
    bool exists(const std::string& path) override;
    //! An existing path's system short form (Windows), or the path as it is
    //! (POSIX systems keep no 8.3 names); any other
    //! path gets its conventional 8.3 alias.
    std::string shortPath(const std::string& path) override;
    //! The current folder: qlt ships no content of its own.
    std::string programFolder() override;
    std::string dataFolder() override;
};

} // namespace cli
