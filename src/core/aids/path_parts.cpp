#include "core/aids/path_parts.h"

namespace core::aids {

std::size_t drivePrefixLength(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') return 2;
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) return 0;
    auto next = [&](std::size_t from) {
        while (from < path.size() && !isSeparator(path[from])) ++from;
        return from;
    };
    const auto serverEnd = next(2);
    return serverEnd == path.size() ? serverEnd : next(serverEnd + 1);
}

std::vector<std::string_view> namesOf(std::string_view path) {
    std::vector<std::string_view> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isSeparator(path[i])) continue;
        if (i > start) names.push_back(path.substr(start, i - start));
        start = i + 1;
    }
    return names;
}

} // namespace core::aids
