#include "core/aids/disk_file_system.h"

#include "core/aids/short_path.h"

#include <filesystem>

namespace core::aids {
namespace {

std::string currentFolder() {
    std::error_code ignored;
    return (std::filesystem::current_path(ignored) / "").string();
}

} // namespace

DiskFileSystem::DiskFileSystem(std::string dataFolder, std::string programFolder)
    : m_data(std::move(dataFolder)), m_program(std::move(programFolder)) {
    if (m_program.empty()) m_program = m_data;
}

text::ReadResult DiskFileSystem::readFile(const std::string& path) { return text::readFile(path); }

text::WriteResult DiskFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes) {
    return text::writeFileAtomically(path, bytes);
}

bool DiskFileSystem::exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string DiskFileSystem::shortPath(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    return conventionalShortPathUtf8(path);
}

std::string DiskFileSystem::programFolder() { return m_program.empty() ? currentFolder() : m_program; }

std::string DiskFileSystem::dataFolder() { return m_data.empty() ? currentFolder() : m_data; }

} // namespace core::aids
