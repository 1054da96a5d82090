#include "core/text/lines.h"

#include <algorithm>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// The positions of line feeds and carriage returns among the 16 bytes at
// `at`, as bits, lowest first.
unsigned breaksAt(const char* at) {
#if defined(__SSE2__)
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
#else
    unsigned bits = 0;
    for (unsigned i = 0; i < 16; ++i)
        if (at[i] == '\n' || at[i] == '\r') bits |= 1U << i;
    return bits;
#endif
}

} // namespace

std::vector<std::string_view> splitLineViews(std::string_view bytes) {
    // A line ends at a line feed, a carriage return, or the two together.
    // Sixteen bytes are looked at in one step: lines are short, and a search
    // call per line would cost more than the search.
    std::vector<std::string_view> lines;
    const std::size_t n = bytes.size();
    // Room for lines of 32 bytes on average: a big file's list is rarely moved.
    lines.reserve(n / 32 + 1);
    std::size_t start = 0;
    const auto lineBreak = [&](std::size_t at) {
        if (at < start) return; // the feed of a CR LF pair
        lines.push_back(bytes.substr(start, at - start));
        start = at + (bytes[at] == '\r' && at + 1 < n && bytes[at + 1] == '\n' ? 2 : 1);
    };
    std::size_t block = 0;
    for (; block + 16 <= n; block += 16)
        for (unsigned bits = breaksAt(bytes.data() + block); bits != 0; bits &= bits - 1)
            lineBreak(block + static_cast<std::size_t>(std::countr_zero(bits)));
    for (; block < n; ++block)
        if (bytes[block] == '\n' || bytes[block] == '\r') lineBreak(block);
    if (start < n) lines.push_back(bytes.substr(start));
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
