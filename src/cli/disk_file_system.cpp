#include "cli/disk_file_system.h"

#include "core/aids/short_path.h"

#include <filesystem>

#ifdef _WIN32
#include "platform/windows/windows_paths.h"
#endif

namespace cli {
namespace {

// Paths in the port are UTF-8; on Windows a narrow std::filesystem path would
// be read in the ANSI code page instead.
std::filesystem::path nativePath(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }

std::string utf8Path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace

core::text::ReadResult DiskFileSystem::readFile(const std::string& path) { return core::text::readFile(path); }

core::text::WriteResult DiskFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes) {
    return core::text::writeFileAtomically(path, bytes);
}

bool DiskFileSystem::exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(nativePath(path), ignored);
}

std::string DiskFileSystem::shortPath(const std::string& path) {
    if (path.empty()) return path;
#ifdef _WIN32
    if (exists(path)) return platform::windows::systemShortPath(path);
#else
    if (exists(path)) return path;
#endif
    return core::aids::conventionalShortPathUtf8(path);
}

std::string DiskFileSystem::programFolder() {
    std::error_code ignored;
    return utf8Path(std::filesystem::current_path(ignored) / "");
}

std::string DiskFileSystem::dataFolder() { return programFolder(); }

} // namespace cli
