#include "platform/windows/windows_file_system.h"

#include "core/aids/short_path.h"
#include "platform/windows/windows_paths.h"

#include <filesystem>

namespace platform::windows {

bool WindowsFileSystem::exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())), ignored);
}

std::string WindowsFileSystem::shortPath(const std::string& path) {
    if (path.empty()) return path;
    if (exists(path)) return systemShortPath(path);
    return core::aids::conventionalShortPathUtf8(path);
}

} // namespace platform::windows
