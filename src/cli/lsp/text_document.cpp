#include "cli/lsp/text_document.h"

#include "core/text/codepage.h"
#include "core/text/lines.h"

namespace cli::lsp {
namespace {

struct Decoded {
    char32_t codePoint;
    std::size_t length; //!< bytes
};

// One character of UTF-8; a byte that starts no valid sequence is U+FFFD on its own.
Decoded decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return {0xFFFD, 1};
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {0xFFFD, 1};
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return {0xFFFD, 1};
    return {cp, length};
}

std::size_t utf16Units(char32_t cp) { return cp >= 0x10000 ? 2 : 1; }

} // namespace

std::string projectLine(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [cp, length] = decode(utf8, at);
        const auto byte = core::text::byteOf(cp);
        out += byte ? static_cast<char>(*byte) : '?';
        at += length;
    }
    return out;
}

TextDocument::TextDocument(std::string_view utf8) : m_utf8(core::text::splitLines(utf8)) {
    m_projected.reserve(m_utf8.size());
    for (const auto& line : m_utf8) m_projected.push_back(projectLine(line));
}

std::size_t TextDocument::utf16Of(std::size_t line, std::size_t column) const {
    if (line >= m_utf8.size()) return 0;
    const std::string& text = m_utf8[line];
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size() && column > 0; --column) {
        const auto [cp, length] = decode(text, at);
        units += utf16Units(cp);
        at += length;
    }
    return units;
}

std::size_t TextDocument::columnOf(std::size_t line, std::size_t utf16) const {
    if (line >= m_utf8.size()) return 0;
    const std::string& text = m_utf8[line];
    std::size_t column = 0;
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size(); ++column) {
        const auto [cp, length] = decode(text, at);
        units += utf16Units(cp);
        if (units > utf16) break;
        at += length;
    }
    return column;
}

std::size_t TextDocument::utf16Length(std::size_t line) const {
    return line < m_utf8.size() ? utf16Of(line, m_utf8[line].size()) : 0;
}

} // namespace cli::lsp
