#include "cli/lsp/text_document.h"

#include "core/text/checker_lines.h"
#include "core/text/codepage.h"
#include "core/text/lines.h"

namespace cli::lsp {
namespace {

std::size_t utf16Units(char32_t cp) { return cp >= 0x10000 ? 2 : 1; }

} // namespace

TextDocument::TextDocument(std::string_view utf8)
    : m_utf8(core::text::splitLines(utf8)), m_projected(core::text::oneBytePerCharacter(m_utf8)) {}

std::size_t TextDocument::utf16Of(std::size_t line, std::size_t column) const {
    if (line >= m_utf8.size()) return 0;
    const std::string& text = m_utf8[line];
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size() && column > 0; --column) units += utf16Units(core::text::nextCodePoint(text, at));
    return units;
}

std::size_t TextDocument::columnOf(std::size_t line, std::size_t utf16) const {
    if (line >= m_utf8.size()) return 0;
    const std::string& text = m_utf8[line];
    std::size_t column = 0;
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size(); ++column) {
        units += utf16Units(core::text::nextCodePoint(text, at));
        if (units > utf16) break;
    }
    return column;
}

std::vector<std::size_t> TextDocument::utf16Columns(std::size_t line) const {
    std::vector<std::size_t> offsets{0};
    if (line >= m_utf8.size()) return offsets;
    const std::string& text = m_utf8[line];
    for (std::size_t at = 0; at < text.size();) offsets.push_back(offsets.back() + utf16Units(core::text::nextCodePoint(text, at)));
    return offsets;
}

std::size_t TextDocument::utf16Length(std::size_t line) const {
    return line < m_utf8.size() ? utf16Of(line, m_utf8[line].size()) : 0;
}

} // namespace cli::lsp
