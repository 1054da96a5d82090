#include "core/text/encoding.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace core::text {
namespace {

using HighHalf = std::array<char16_t, 128>;

// Code points of bytes 0x80..0xFF; bytes below 0x80 are ASCII in both DOS code pages.
constexpr HighHalf OEM_437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

constexpr HighHalf OEM_850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

const HighHalf* highHalfOf(Encoding encoding) {
    if (encoding == Encoding::Oem437) return &OEM_437;
    if (encoding == Encoding::Oem850) return &OEM_850;
    return nullptr;
}

bool isUtf8(Encoding encoding) { return encoding == Encoding::Utf8 || encoding == Encoding::Utf8WithMark; }

std::optional<unsigned char> singleByteOf(char32_t cp, Encoding encoding) {
    const HighHalf* high = highHalfOf(encoding);
    if (!high) return byteOf(cp);
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    const auto* found = std::find(high->begin(), high->end(), cp);
    if (found == high->end()) return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - high->begin()));
}

// Length of the well-formed UTF-8 sequence at text[i], or 0 (overlong forms,
// surrogates and code points past U+10FFFF are not well-formed).
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else return 0;
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return length;
}

// The code page a CHCP line among the first lines asks for.
std::optional<std::string> chcpHint(std::string_view bytes) {
    constexpr std::size_t LINES_LOOKED_AT = 10;
    std::size_t start = 0;
    for (std::size_t n = 0; n < LINES_LOOKED_AT && start < bytes.size(); ++n) {
        auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string line = toUpper(bytes.substr(start, end - start));
        start = bytes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        const auto first = line.find_first_not_of(" \t@");
        if (first == std::string::npos || line.compare(first, 4, "CHCP") != 0) continue;
        auto digits = line.substr(first + 4);
        digits.erase(0, digits.find_first_not_of(" \t"));
        std::size_t count = 0;
        while (count < digits.size() && std::isdigit(static_cast<unsigned char>(digits[count]))) ++count;
        if (count > 0) return digits.substr(0, count);
    }
    return std::nullopt;
}

} // namespace

std::string_view encodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Windows1252: return "Windows-1252";
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Utf8WithMark: return "UTF-8 with BOM";
    case Encoding::Oem437: return "OEM 437";
    case Encoding::Oem850: return "OEM 850";
    }
    return "Windows-1252";
}

std::string_view encodingKey(Encoding encoding) {
    switch (encoding) {
    case Encoding::Windows1252: return "windows-1252";
    case Encoding::Utf8: return "utf-8";
    case Encoding::Utf8WithMark: return "utf-8-bom";
    case Encoding::Oem437: return "cp437";
    case Encoding::Oem850: return "cp850";
    }
    return "windows-1252";
}

std::optional<Encoding> encodingOfKey(std::string_view key) {
    for (Encoding encoding : ALL_ENCODINGS)
        if (equalsIgnoreCase(key, encodingKey(encoding))) return encoding;
    return std::nullopt;
}

char32_t codePointOf(unsigned char byte, Encoding encoding) {
    const HighHalf* high = highHalfOf(encoding);
    if (high && byte >= 0x80) return (*high)[byte - 0x80];
    return unicodeOf(byte);
}

std::string decode(std::string_view bytes, Encoding encoding) {
    if (!isUtf8(encoding)) {
        std::string out;
        out.reserve(bytes.size() + bytes.size() / 8);
        for (char c : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(c), encoding));
        return out;
    }
    if (bytes.substr(0, 3) == BYTE_ORDER_MARK) bytes.remove_prefix(3);
    if (isValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0) {
            appendUtf8(out, 0xFFFD);
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

Encoded encode(std::string_view utf8, Encoding encoding) {
    Encoded result;
    if (isUtf8(encoding)) {
        if (encoding == Encoding::Utf8WithMark) result.bytes = BYTE_ORDER_MARK;
        result.bytes += utf8;
        return result;
    }
    result.bytes.reserve(utf8.size());
    std::size_t line = 1;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp == '\n') ++line;
        const auto byte = cp == 0xFFFD ? std::nullopt : singleByteOf(cp, encoding);
        if (byte) {
            result.bytes += static_cast<char>(*byte);
        } else if (result.ok) {
            result.ok = false;
            result.firstBad = cp;
            result.firstBadLine = line;
        }
    }
    return result;
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

Encoding detectEncoding(std::string_view bytes, Encoding fallback) {
    // A mark before bytes that are not UTF-8 is read as the rest is, mark
    // included, so that saving gives back every byte.
    if (bytes.substr(0, 3) == BYTE_ORDER_MARK && isValidUtf8(bytes.substr(3))) return Encoding::Utf8WithMark;
    const bool ascii = isAscii(bytes);
    if (!ascii && isValidUtf8(bytes)) return Encoding::Utf8;
    const auto hint = chcpHint(bytes);
    if (hint == "65001" && ascii) return Encoding::Utf8;
    if (hint == "850") return Encoding::Oem850;
    if (hint == "437") return Encoding::Oem437;
    return fallback;
}

std::optional<std::string_view> utf16Mark(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return "UTF-16 LE";
    if (bytes.starts_with("\xFE\xFF")) return "UTF-16 BE";
    return std::nullopt;
}

std::string utf16Refusal(std::string_view form) {
    return std::string(form) + " text, which Quillet does not read: save it as UTF-8 or Windows-1252 first";
}

ReadResult refuseUtf16(ReadResult read) {
    if (const auto form = read.ok ? utf16Mark(read.bytes) : std::nullopt) {
        read = {};
        read.error = utf16Refusal(*form);
    }
    return read;
}

} // namespace core::text
