#include "core/cmdcheck/file_index.h"

#include "core/cmdcheck/walk.h"
#include "core/text/byte_words.h"

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace core::cmdcheck {
namespace {

// Whether `text` at `at` holds `lower` (ASCII letters, '/' and ':'), letter case ignored.
bool matchesAt(std::string_view text, std::size_t at, std::string_view lower) {
    if (at + lower.size() > text.size()) return false;
    for (std::size_t k = 0; k < lower.size(); ++k)
        if ((text[at + k] | 0x20) != lower[k]) return false;
    return true;
}

// The word after GOTO or CALL. The words are looked for anywhere, comments
// too, so "Call    #" in a comment box names no label: a target without a
// letter or digit counts only after a colon.
void addJumpTarget(FileIndex& index, std::string_view line, std::size_t pos) {
    bool colon = false;
    for (; pos < line.size() && (isBlank(line[pos]) || line[pos] == ':'); ++pos) colon = colon || line[pos] == ':';
    std::size_t end = pos;
    while (end < line.size() && !isBlank(line[end]) &&
           std::string_view(":+,;=&|<>()\"\r\n").find(line[end]) == std::string_view::npos)
        ++end;
    const std::string_view target = line.substr(pos, end - pos);
    if (target.find_first_of("%!") != std::string_view::npos) index.dynamicJumps = true;
    else if (colon || FileIndex::isName(target)) index.jumpTargets.insert(target);
}

void indexWordAt(FileIndex& index, std::string_view line, std::size_t at) {
    const char first = static_cast<char>(line[at] | 0x20);
    if (first == 'g' || first == 'c') {
        if (matchesAt(line, at, first == 'g' ? "goto" : "call")) addJumpTarget(index, line, at + 4);
    } else if (!index.delayedEverEnabled && (first == 'e' || first == '/')) {
        index.delayedEverEnabled = matchesAt(line, at, first == 'e' ? "enabledelayedexpansion" : "/v:on");
    }
}

#if defined(__SSE2__)
// The same pairs among sixteen bytes at once, as bits.
unsigned pairStarts(const char* at, bool delayedKnown) {
    const __m128i lower = _mm_set1_epi8(0x20);
    const __m128i first = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), lower);
    const __m128i second = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1)), lower);
    const auto pair = [&](char a, char b) {
        return _mm_and_si128(_mm_cmpeq_epi8(first, _mm_set1_epi8(a)), _mm_cmpeq_epi8(second, _mm_set1_epi8(b)));
    };
    __m128i hits = _mm_or_si128(pair('g', 'o'), pair('c', 'a'));
    if (!delayedKnown) hits = _mm_or_si128(hits, _mm_or_si128(pair('e', 'n'), pair('/', 'v')));
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}
#endif

// GOTO and CALL anywhere in the line, and the words that enable delayed
// expansion. Eight bytes at a time, looking closer only where two letters
// such a word starts with ("go", "ca", "en", "/v") stand side by side.
void indexWords(FileIndex& index, std::string_view line) {
    const auto mayStart = [&](std::size_t at) {
        const char c = static_cast<char>(line[at] | 0x20);
        return c == 'g' || c == 'c' || (!index.delayedEverEnabled && (c == 'e' || c == '/'));
    };
    constexpr std::uint64_t LOWER = text::BYTE_ONES * 0x20;
    const auto pair = [](std::uint64_t first, std::uint64_t second, char a, char b) {
        return text::anyByteIs(first, a) & text::anyByteIs(second, b);
    };
    std::size_t at = 0;
#if defined(__SSE2__)
    for (; at + 17 <= line.size(); at += 16)
        for (unsigned starts = pairStarts(line.data() + at, index.delayedEverEnabled); starts != 0; starts &= starts - 1) {
            const std::size_t start = at + static_cast<std::size_t>(std::countr_zero(starts));
            if (mayStart(start)) indexWordAt(index, line, start);
        }
#endif
    for (; at + 9 <= line.size(); at += 8) {
        const std::uint64_t first = text::wordAt(line.data() + at) | LOWER;
        const std::uint64_t second = text::wordAt(line.data() + at + 1) | LOWER;
        std::uint64_t starts = pair(first, second, 'g', 'o') | pair(first, second, 'c', 'a');
        if (!index.delayedEverEnabled) starts |= pair(first, second, 'e', 'n') | pair(first, second, '/', 'v');
        for (; starts != 0; starts &= starts - 1) {
            const std::size_t start = at + static_cast<std::size_t>(std::countr_zero(starts)) / 8;
            if (mayStart(start)) indexWordAt(index, line, start);
        }
    }
    for (; at < line.size(); ++at)
        if (mayStart(at)) indexWordAt(index, line, at);
}

} // namespace

std::string_view labelName(std::string_view text, std::size_t colon) {
    std::size_t end = colon + 1;
    while (end < text.size() && !isBlank(text[end]) && std::string_view(":+,;=&|<>").find(text[end]) == std::string_view::npos)
        ++end;
    return text.substr(colon + 1, end - colon - 1);
}

void FileIndex::add(const FileIndex& part) {
    labels.add(part.labels);
    jumpTargets.add(part.jumpTargets);
    dynamicJumps = dynamicJumps || part.dynamicJumps;
    delayedEverEnabled = delayedEverEnabled || part.delayedEverEnabled;
}

namespace {

void indexLabel(FileIndex& index, std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && (isBlank(line[pos]) || line[pos] == '@')) ++pos;
    if (pos < line.size() && line[pos] == ':' && (pos + 1 >= line.size() || line[pos + 1] != ':'))
        index.labels.insert(labelName(line, pos));
}

} // namespace

FileIndex indexLines(std::span<const std::string_view> lines) {
    FileIndex index;
    for (const auto line : lines) {
        indexLabel(index, line);
        indexWords(index, line);
    }
    return index;
}

FileIndex indexText(std::string_view text, std::span<const std::string_view> lines) {
    FileIndex index;
    for (const auto line : lines) indexLabel(index, line);
    // The words GOTO, CALL and those of delayed expansion never span a line
    // break, and a jump's target ends at one.
    indexWords(index, text);
    return index;
}

} // namespace core::cmdcheck
