#pragma once
// Windows-1252: the single-byte code page of every document Quillet edits.
// Core keeps document text as these bytes in std::string; the window and the
// command line convert to Unicode only at their boundary, with these functions.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core::text {

//! The Unicode code point of a Windows-1252 byte. The five bytes the code page
//! leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the
//! same value, so all 256 bytes round-trip.
char32_t unicodeOf(unsigned char byte);

//! The Windows-1252 byte of a code point, or nothing when the code page has none.
std::optional<unsigned char> byteOf(char32_t codePoint);

//! Windows-1252 bytes to UTF-8.
std::string toUtf8(std::string_view bytes);

//! Result of converting Unicode text to Windows-1252.
struct Cp1252Conversion {
    std::string bytes;            //!< the converted text (unmappable characters left out)
    bool ok = true;               //!< false when a character has no Windows-1252 byte
    char32_t firstBad = 0;        //!< the first character that could not be converted
    std::size_t firstBadLine = 0; //!< its line, counting from 1
};

//! UTF-8 to Windows-1252. Invalid UTF-8 sequences count as unmappable (U+FFFD).
Cp1252Conversion fromUtf8(std::string_view utf8);

namespace detail {
// Upper-case table, from the rules of the code page.
constexpr std::array<char, 256> makeUpperTable() {
    std::array<char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        int up = b;
        if (b >= 'a' && b <= 'z') up = b - 0x20;
        else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) up = b - 0x20; // à..þ except ÷
        else if (b == 0x9A || b == 0x9C || b == 0x9E) up = b - 0x10; // š œ ž
        else if (b == 0xFF) up = 0x9F;                               // ÿ
        table[static_cast<std::size_t>(b)] = static_cast<char>(static_cast<unsigned char>(up));
    }
    return table;
}
inline constexpr std::array<char, 256> UPPER_TABLE = makeUpperTable();
} // namespace detail

//! Upper case by Windows-1252: a-z and the accented letters of the code page.
inline char toUpper(char c) { return detail::UPPER_TABLE[static_cast<unsigned char>(c)]; }
std::string toUpper(std::string_view text);

//! Case-insensitive equality by Windows-1252.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

//! 1-based position of needle in haystack, ignoring case; 0 when absent.
std::size_t findIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from = 1);

//! Decodes the UTF-8 sequence at text[i] and moves i past it; U+FFFD for a bad sequence.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

//! UTF-8 encoding of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace core::text
