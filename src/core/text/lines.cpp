#include "core/text/lines.h"

#include <algorithm>

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
    // Line feeds are looked for once each; a carriage return only within the
    // line that the next feed (or the end) closes.
    std::vector<std::string_view> lines;
    const std::size_t n = bytes.size();
    // Room for lines of 32 bytes on average: a big file's list is rarely moved.
    lines.reserve(n / 32 + 1);
    const auto feedFrom = [&](std::size_t from) { return std::min(bytes.find('\n', from), n); };
    std::size_t feed = feedFrom(0);
    for (std::size_t at = 0; at < n;) {
        if (feed < at) feed = feedFrom(at);
        const std::size_t ret = bytes.substr(0, feed).find('\r', at);
        const std::size_t stop = std::min(ret, feed);
        lines.push_back(bytes.substr(at, stop - at));
        at = stop + 1;
        if (ret < feed && at == feed) ++at;
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
