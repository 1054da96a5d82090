#pragma once
// qlt's file system on Windows: the disk through the standard library, with
// the system's own 8.3 names and UTF-8 paths reaching the wide-character calls.
#include "core/aids/disk_file_system.h"

namespace platform::windows {

class WindowsFileSystem : public core::aids::DiskFileSystem {
public:
    using DiskFileSystem::DiskFileSystem;
    bool exists(const std::string& path) override;
    //! The system's short form of an existing path; any other path gets its conventional 8.3 alias.
    std::string shortPath(const std::string& path) override;
};

} // namespace platform::windows
