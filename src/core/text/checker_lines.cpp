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

std::string quoteOf(std::string_view checkerText) {
    if (checkerText.size() <= QUOTE_LIMIT) return toUtf8(checkerText);
    return toUtf8(checkerText.substr(0, QUOTE_LIMIT)) + "\u2026";
}

namespace {

std::vector<char32_t> codePointsOf(std::string_view utf8) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < utf8.size();) points.push_back(nextCodePoint(utf8, i));
    return points;
}

// Where a quoted run starts or ends: a blank, a quotation mark, the mark of a cut quote.
bool endsRun(char32_t c) { return c == ' ' || c == '"' || c == '\'' || c == 0x2026; }

// A quoted run of a finding: its characters in order, each tested against the
// checker's view of the line and given its own character back.
class OwnCharacters {
public:
    OwnCharacters(std::string_view checkerLine, std::vector<char32_t> own) : m_line(checkerLine), m_own(std::move(own)) {}

    //! Gives back the lost characters of run [first, last) of the text, found
    //! in the line from `from` on (then from the start); false when the run is not the line's.
    bool restore(std::vector<char32_t>& text, std::size_t first, std::size_t last, std::size_t& from) const {
        const std::size_t length = last - first;
        if (length > m_line.size()) return false;
        const std::size_t end = m_line.size() - length + 1;
        for (std::size_t n = 0; n < end; ++n) {
            const std::size_t at = (from + n) % end;
            if (!matches(text, first, length, at)) continue;
            for (std::size_t k = 0; k < length; ++k)
                if (text[first + k] == MISSING_CHARACTER && lost(at + k)) text[first + k] = m_own[at + k];
            from = at + length;
            return true;
        }
        return false;
    }

private:
    bool lost(std::size_t at) const { return m_line[at] == MISSING_CHARACTER && m_own[at] != U'?'; }
    bool matches(const std::vector<char32_t>& text, std::size_t first, std::size_t length, std::size_t at) const {
        for (std::size_t k = 0; k < length; ++k) {
            const auto byte = byteOf(text[first + k]);
            if (!byte || toUpper(static_cast<char>(*byte)) != toUpper(m_line[at + k])) return false;
        }
        return true;
    }

    std::string_view m_line;
    std::vector<char32_t> m_own;
};

} // namespace

std::string withOwnCharacters(std::string_view findingText, std::string_view checkerLine, std::string_view utf8Line,
                              std::size_t from) {
    if (findingText.find(MISSING_CHARACTER) == std::string_view::npos ||
        checkerLine.find(MISSING_CHARACTER) == std::string_view::npos)
        return std::string(findingText);
    auto own = codePointsOf(utf8Line);
    if (own.size() != checkerLine.size()) return std::string(findingText);
    const OwnCharacters line(checkerLine, std::move(own));
    auto text = codePointsOf(findingText);
    for (std::size_t first = 0; first < text.size();) {
        if (endsRun(text[first])) {
            ++first;
            continue;
        }
        std::size_t last = first;
        bool missing = false;
        for (; last < text.size() && !endsRun(text[last]); ++last) missing = missing || text[last] == MISSING_CHARACTER;
        // A question mark after a word at a blank or the end asks a question ("Did you mean ECHO?").
        const bool asks = (last == text.size() || text[last] == ' ') && last - first >= 2 &&
                          text[last - 1] == MISSING_CHARACTER && text[last - 2] != MISSING_CHARACTER;
        if (missing) line.restore(text, first, asks ? last - 1 : last, from);
        first = last;
    }
    std::string out;
    for (const char32_t c : text) appendUtf8(out, c);
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
