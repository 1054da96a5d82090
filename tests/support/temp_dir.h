#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace testing_support {

class TempDir {
public:
    TempDir() : m_path(uniquePath()) { std::filesystem::create_directories(m_path); }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }
    //! The folder with a trailing separator, as FileSystem::dataFolder() gives it.
    std::string folder() const { return m_path.string() + std::string(1, std::filesystem::path::preferred_separator); }

    std::string write(std::string_view name, std::string_view bytes) const {
        auto p = file(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    std::string read(std::string_view name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static std::filesystem::path uniquePath() {
        std::random_device rd;
        return std::filesystem::temp_directory_path() / ("quillet-test-" + std::to_string(rd()) + std::to_string(rd()));
    }
    std::filesystem::path m_path;
};

} // namespace testing_support
