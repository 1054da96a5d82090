#pragma once
// Eight bytes of text looked at in one 64-bit word: a scanner passes over runs
// of bytes none of which it cares about without a branch per byte. Each test
// tells whether ANY byte of the word matches (exact; which one is for the
// caller's byte-by-byte loop to find).
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace core::text {

inline constexpr std::uint64_t BYTE_ONES = 0x0101010101010101;
inline constexpr std::uint64_t BYTE_HIGHS = BYTE_ONES * 0x80;

inline std::uint64_t wordAt(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, 8);
    return word;
}

//! Non-zero when a byte of `word` is `c`.
inline std::uint64_t anyByteIs(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (BYTE_ONES * static_cast<unsigned char>(c));
    return (x - BYTE_ONES) & ~x & BYTE_HIGHS;
}

//! Non-zero when a byte of `word` is below `limit` (at most 0x80).
inline std::uint64_t anyByteBelow(std::uint64_t word, unsigned char limit) {
    return (word - BYTE_ONES * limit) & ~word & BYTE_HIGHS;
}

//! The first position at or after `pos` holding `a` or `b`, or the text's size.
inline std::size_t findEither(std::string_view text, std::size_t pos, char a, char b) {
    for (; pos + 8 <= text.size(); pos += 8) {
        const std::uint64_t word = wordAt(text.data() + pos);
        // The lowest flagged byte is always a real match.
        const std::uint64_t hits = anyByteIs(word, a) | anyByteIs(word, b);
        if (hits != 0) return pos + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
    }
    for (; pos < text.size(); ++pos)
        if (text[pos] == a || text[pos] == b) return pos;
    return text.size();
}

} // namespace core::text
