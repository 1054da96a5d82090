#include "core/text/checker_lines.h"

#include "core/text/codepage.h"

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
