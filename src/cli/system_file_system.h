#pragma once
// The file system qlt works on: the disk through the standard library, and on
// Windows the system's own 8.3 names and wide-character paths.
#ifdef _WIN32
#include "platform/windows/windows_file_system.h"
namespace cli {
using SystemFileSystem = platform::windows::WindowsFileSystem;
} // namespace cli
#else
#include "core/aids/disk_file_system.h"
namespace cli {
using SystemFileSystem = core::aids::DiskFileSystem;
} // namespace cli
#endif
