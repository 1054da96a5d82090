#include "core/text/lines.h"

#include <algorithm>
#include <bit>
#include <memory>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace core::text {

namespace {

// The line feeds and the carriage returns among the 16 bytes at `at`, as
// bits, lowest first.
struct Breaks {
    unsigned feeds;
    unsigned returns;
};

Breaks breaksAt(const char* at) {
#if defined(__SSE2__)
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return {static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n')))),
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r'))))};
#else
    Breaks bits{0, 0};
    for (unsigned i = 0; i < 16; ++i) {
        if (at[i] == '\n') bits.feeds |= 1U << i;
        if (at[i] == '\r') bits.returns |= 1U << i;
    }
    return bits;
#endif
}

// Calls `line` with each line of `bytes`: a line ends at a line feed, a
// carriage return, or the two together. Sixteen bytes are looked at in one
// step: lines are short, and a search call per line would cost more than
// the search.
template <typename Line>
void forEachLine(std::string_view bytes, Line line) {
    const std::size_t n = bytes.size();
    std::size_t start = 0;
    const auto lineBreak = [&](std::size_t at) {
        if (at < start) return; // the feed of a CR LF pair
        line(bytes.substr(start, at - start));
        start = at + (bytes[at] == '\r' && at + 1 < n && bytes[at + 1] == '\n' ? 2 : 1);
    };
    std::size_t block = 0;
    for (; block + 16 <= n; block += 16) {
        const Breaks bits = breaksAt(bytes.data() + block);
        for (unsigned both = bits.feeds | bits.returns; both != 0; both &= both - 1)
            lineBreak(block + static_cast<std::size_t>(std::countr_zero(both)));
    }
    for (; block < n; ++block)
        if (bytes[block] == '\n' || bytes[block] == '\r') lineBreak(block);
    if (start < n) line(bytes.substr(start));
}

} // namespace

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::vector<std::string_view> splitLineViews(std::string_view bytes) {
    std::vector<std::string_view> lines;
    // Room for lines of 32 bytes on average: a big file's list is rarely moved.
    lines.reserve(bytes.size() / 32 + 1);
    forEachLine(bytes, [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

// Every line feed and every carriage return not followed by a feed ends a
// line; so does the end of a last line without a break. Counted sixteen
// bytes at a time in byte-wide counters, added up before they can overflow.
std::size_t countLines(std::string_view bytes) {
    const std::size_t n = bytes.size();
    std::size_t breaks = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    while (at + 17 <= n) {
        __m128i counts = _mm_setzero_si128();
        for (int round = 0; round < 255 && at + 17 <= n; ++round, at += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at + 1));
            const __m128i feeds = _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'));
            const __m128i returns = _mm_cmpeq_epi8(block, _mm_set1_epi8('\r'));
            const __m128i paired = _mm_and_si128(returns, _mm_cmpeq_epi8(next, _mm_set1_epi8('\n')));
            counts = _mm_sub_epi8(counts, _mm_or_si128(feeds, _mm_andnot_si128(paired, returns)));
        }
        const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
        breaks += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) + static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; at < n; ++at)
        if (bytes[at] == '\n' || (bytes[at] == '\r' && (at + 1 == n || bytes[at + 1] != '\n'))) ++breaks;
    return breaks + (n > 0 && bytes[n - 1] != '\n' && bytes[n - 1] != '\r' ? 1 : 0);
}

void splitLineViewsInto(std::string_view bytes, std::string_view* out) {
    forEachLine(bytes, [&](std::string_view line) { std::construct_at(out++, line); });
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
