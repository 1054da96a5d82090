#pragma once
// The checker reads one byte per character, in Windows-1252. A document's text
// is UTF-8; these functions give the checker its view of a line and map the
// checker's character columns back to byte offsets in the UTF-8 line.
#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::text {

//! Stands for a character Windows-1252 has no byte for.
inline constexpr char MISSING_CHARACTER = '?';

//! One Windows-1252 byte per character of a UTF-8 line; characters the code
//! page lacks become MISSING_CHARACTER. Columns of the result are character
//! columns of the line, so for Windows-1252 text the checker sees exactly the
//! bytes of the file.
std::string oneBytePerCharacter(std::string_view utf8Line);
std::vector<std::string> oneBytePerCharacter(const std::vector<std::string>& utf8Lines);

//! A document's UTF-8 text held once, split into its lines, with the checker's
//! one-byte-per-character view of each. ASCII lines (nearly all) are the same
//! bytes in both views, so only the other lines are converted and stored.
class CheckerLines {
public:
    //! A text ending in a line break has an empty last line.
    explicit CheckerLines(std::string utf8Text);
    CheckerLines(const CheckerLines&) = delete;
    CheckerLines& operator=(const CheckerLines&) = delete;
    ~CheckerLines() = default;

    std::span<const std::string_view> lines() const { return m_lines; }
    std::string_view utf8Line(std::size_t index) const { return m_utf8Lines[index]; }
    std::span<const std::string_view> utf8Lines() const { return m_utf8Lines; }
    //! True when the line's character columns are its byte offsets.
    bool columnsAreBytes(std::size_t index) const { return m_lines[index].data() == m_utf8Lines[index].data(); }

private:
    std::string m_text;
    std::vector<std::string_view> m_utf8Lines;
    std::deque<std::string> m_converted;
    std::vector<std::string_view> m_lines;
};

//! The most characters of a document a finding quotes: a quote of a huge line
//! (a file of NUL bytes is one) would otherwise cost many times its size.
inline constexpr std::size_t QUOTE_LIMIT = 200;

//! A piece of the checker's text (Windows-1252) as a finding quotes it: UTF-8,
//! at most QUOTE_LIMIT characters, a longer piece cut and ended with "\u2026".
std::string quoteOf(std::string_view checkerText);

//! A finding's text with the line's own characters where the checker saw
//! MISSING_CHARACTER: each quoted run of the text that holds '?' is found in
//! the checker's view of the line (letter case ignored, from `from` on, the
//! column the finding points at, then from the start) and takes the
//! characters of the UTF-8 line in the places Windows-1252 has none for. A
//! question mark that ends a word before a blank or the end is the text's own.
std::string withOwnCharacters(std::string_view findingText, std::string_view checkerLine, std::string_view utf8Line,
                              std::size_t from = 0);

//! The byte offset in a UTF-8 line of the character at `column` (0-based); the
//! line's length for a column at or past its end.
std::size_t byteOffsetOfColumn(std::string_view utf8Line, std::size_t column);

//! The number of characters in the first `byteOffset` bytes of a UTF-8 line.
std::size_t columnOfByteOffset(std::string_view utf8Line, std::size_t byteOffset);

} // namespace core::text
