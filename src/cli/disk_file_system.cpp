#include "cli/disk_file_system.h"

#include "core/aids/short_path.h"

#include <filesystem>

namespace cli {

core::text::ReadResult DiskFileSystem::readFile(const std::string& path) { return core::text::readFile(path); }

core::text::WriteResult DiskFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes) {
    return core::text::writeFileAtomically(path, bytes);
}

bool DiskFileSystem::exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string DiskFileSystem::shortPath(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    return core::aids::conventionalShortPathUtf8(path);
}

std::string DiskFileSystem::programFolder() {
    std::error_code ignored;
    return (std::filesystem::current_path(ignored) / "").string();
}

std::string DiskFileSystem::dataFolder() { return programFolder(); }

} // namespace cli
