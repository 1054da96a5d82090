#include "core/text/lines.h"

#include <cstring>

namespace core::text {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::vector<std::string_view> splitLineViews(std::string_view bytes) {
    // Line feeds are found with memchr, each once; a carriage return is looked
    // for only within the line that the next feed (or the end) closes.
    std::vector<std::string_view> lines;
    if (bytes.empty()) return lines;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    const auto nextFeed = [&] {
        const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        return found ? static_cast<const char*>(found) : end;
    };
    const char* feed = nextFeed();
    while (at < end) {
        if (feed < at) feed = nextFeed();
        const void* ret = std::memchr(at, '\r', static_cast<std::size_t>(feed - at));
        const char* stop = ret ? static_cast<const char*>(ret) : feed;
        lines.emplace_back(at, static_cast<std::size_t>(stop - at));
        if (stop == end) break;
        at = stop + 1;
        if (ret && at == feed) ++at;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& line : lines) total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& line : lines) {
        out += line;
        out += CRLF;
    }
    return out;
}

std::size_t offsetOfLine(const std::vector<std::string>& lines, std::size_t index) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < index && i < lines.size(); ++i) offset += lines[i].size() + 2;
    return offset;
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace core::text
