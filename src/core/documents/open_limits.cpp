#include "core/documents/open_limits.h"

#include <array>

namespace core::documents {

std::string sizeText(std::uintmax_t bytes) {
    constexpr std::array<const char*, 3> UNITS = {" KB", " MB", " GB"};
    if (bytes < 1024) return std::to_string(bytes) + " bytes";
    std::uintmax_t unit = 1024;
    std::size_t index = 0;
    while (index + 1 < UNITS.size() && bytes / unit >= 1024) {
        unit *= 1024;
        ++index;
    }
    auto whole = bytes / unit;
    auto tenths = ((bytes % unit) * 10 + unit - 1) / unit;
    if (tenths == 10) {
        ++whole;
        tenths = 0;
    }
    return std::to_string(whole) + "." + std::to_string(tenths) + UNITS[index];
}

} // namespace core::documents
