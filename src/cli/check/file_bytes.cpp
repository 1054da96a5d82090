#include "cli/check/file_bytes.h"

#include <cstdint>
#include <filesystem>

namespace cli {
namespace {

// Below this a copy costs less than a mapping.
constexpr std::uintmax_t MAP_SIZE = std::uintmax_t{1} << 20;

} // namespace

FileBytes::FileBytes(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::is_regular_file(path, ec) ? std::filesystem::file_size(path, ec) : 0;
    if (!ec && size >= MAP_SIZE) m_mapped = mapFile(path, size);
    if (m_mapped) {
        m_size = size;
        m_read.ok = true;
    } else {
        m_read = core::text::readFile(path);
    }
}

FileBytes::~FileBytes() {
    if (m_mapped) unmapFile(m_mapped, m_size);
}

} // namespace cli
