#pragma once
// A FileSystem on the real disk, rooted in a test's temporary folder.
#include "core/aids/short_path.h"
#include "core/ports/file_system.h"

#include <filesystem>
#include <string>

namespace testing_support {

class DiskFileSystem : public core::ports::FileSystem {
public:
    explicit DiskFileSystem(std::string dataFolder, std::string programFolder = {})
        : m_data(std::move(dataFolder)), m_program(programFolder.empty() ? m_data : std::move(programFolder)) {}

    core::text::ReadResult readFile(const std::string& path) override { return core::text::readFile(path); }
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override {
        return core::text::writeFileAtomically(path, bytes);
    }
    bool exists(const std::string& path) override {
        std::error_code ec;
        return std::filesystem::exists(path, ec);
    }
    //! Existing paths stay as they are (no 8.3 names here); others get the alias.
    std::string shortPath(const std::string& path) override {
        if (path.empty() || exists(path)) return path;
        return core::aids::conventionalShortPathUtf8(path);
    }
    std::string programFolder() override { return m_program; }
    std::string dataFolder() override { return m_data; }

private:
    std::string m_data;
    std::string m_program;
};

} // namespace testing_support
