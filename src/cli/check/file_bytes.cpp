#include "cli/check/file_bytes.h"

#include <cstddef>

namespace cli {
namespace {

// Below this a copy costs less than a mapping.
constexpr std::size_t MAP_SIZE = std::size_t{1} << 20;

} // namespace

FileBytes::FileBytes(const std::string& path) {
    m_mapped = mapFile(path, MAP_SIZE, m_size);
    if (m_mapped) m_read.ok = true;
    else m_read = core::text::readFile(path);
}

FileBytes::~FileBytes() {
    if (m_mapped) unmapFile(m_mapped, m_size);
}

} // namespace cli
