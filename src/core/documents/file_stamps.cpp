#include "core/documents/file_stamps.h"

#include <filesystem>
#include <system_error>

namespace core::ports {

// Through the standard library, which every file system at hand supports.
std::optional<FileStamp> FileSystem::stamp(const std::string& path) {
    namespace fs = std::filesystem;
#ifdef _WIN32
    const fs::path file(std::u8string(path.begin(), path.end()));
#else
    const fs::path file(path);
#endif
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const auto size = fs::file_size(file, error);
    if (error) return std::nullopt;
    const auto written = fs::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileStamp{size, static_cast<std::int64_t>(written.time_since_epoch().count())};
}

} // namespace core::ports

namespace core::documents {

void FileStamps::remember(const std::string& path, const std::optional<ports::FileStamp>& stamp) {
    if (stamp) m_files[path] = Known{*stamp, false, std::nullopt};
    else m_files.erase(path);
}

void FileStamps::refresh(const std::string& path, const std::optional<ports::FileStamp>& stamp) {
    if (m_files.contains(path)) remember(path, stamp);
}

OutsideChange FileStamps::changeOf(const std::string& path, const std::optional<ports::FileStamp>& now) const {
    const auto known = m_files.find(path);
    if (known == m_files.end()) return OutsideChange::None;
    if (!now) return OutsideChange::Deleted;
    return *now == known->second.stamp ? OutsideChange::None : OutsideChange::Changed;
}

bool FileStamps::firstNotice(const std::string& path, const std::optional<ports::FileStamp>& now) {
    const auto known = m_files.find(path);
    if (known == m_files.end()) return false;
    auto& entry = known->second;
    if (entry.told && entry.toldOf == now) return false;
    entry.told = true;
    entry.toldOf = now;
    return true;
}

} // namespace core::documents
