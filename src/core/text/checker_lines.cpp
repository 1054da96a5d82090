#include "core/text/checker_lines.h"

#include "core/text/codepage.h"
#include "core/text/lines.h"

#include <algorithm>
#include <utility>

namespace core::text {

std::string oneBytePerCharacter(std::string_view utf8Line) {
    std::string out;
    out.reserve(utf8Line.size());
    for (std::size_t i = 0; i < utf8Line.size();) {
        const char32_t cp = nextCodePoint(utf8Line, i);
        const auto byte = cp == 0xFFFD ? std::nullopt : byteOf(cp);
        out += byte ? static_cast<char>(*byte) : MISSING_CHARACTER;
    }
    return out;
}

std::vector<std::string> oneBytePerCharacter(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> out;
    out.reserve(utf8Lines.size());
    for (const auto& line : utf8Lines) out.push_back(oneBytePerCharacter(line));
    return out;
}

CheckerLines::CheckerLines(std::string utf8Text) : m_text(std::move(utf8Text)), m_utf8Lines(splitLineViews(m_text)) {
    if (!m_text.empty() && (m_text.back() == '\n' || m_text.back() == '\r')) m_utf8Lines.emplace_back();
    m_lines.reserve(m_utf8Lines.size());
    for (const auto line : m_utf8Lines) {
        const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return (static_cast<unsigned char>(c) & 0x80U) == 0; });
        m_lines.push_back(ascii ? line : std::string_view(m_converted.emplace_back(oneBytePerCharacter(line))));
    }
}

std::size_t byteOffsetOfColumn(std::string_view utf8Line, std::size_t column) {
    std::size_t i = 0;
    for (std::size_t c = 0; c < column && i < utf8Line.size(); ++c) nextCodePoint(utf8Line, i);
    return i;
}

std::size_t columnOfByteOffset(std::string_view utf8Line, std::size_t byteOffset) {
    std::size_t column = 0;
    for (std::size_t i = 0; i < byteOffset && i < utf8Line.size(); ++column) nextCodePoint(utf8Line, i);
    return column;
}

} // namespace core::text
