#pragma once
// A document as the editor sent it (UTF-8) and as the checker reads it: one
// byte per character, Windows-1252 where the code page has the character and
// '?' where it has none, so a column means the same in both. The protocol
// counts positions in UTF-16 code units; the conversions live here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli::lsp {

class TextDocument {
public:
    TextDocument() = default;
    explicit TextDocument(std::string_view utf8);

    const std::vector<std::string>& lines() const { return m_utf8; }
    //! The lines one byte per character, for the checker and the scanners.
    const std::vector<std::string>& projected() const { return m_projected; }

    //! UTF-16 offset of a 0-based character column (clamped to the line).
    std::size_t utf16Of(std::size_t line, std::size_t column) const;
    //! Character column of a UTF-16 offset (clamped to the line).
    std::size_t columnOf(std::size_t line, std::size_t utf16) const;
    //! UTF-16 length of a line; 0 past the last line.
    std::size_t utf16Length(std::size_t line) const;
    //! The UTF-16 offset of every character column of a line (one more than the line has
    //! characters, the last its length): for many conversions on one line, each in constant time.
    std::vector<std::size_t> utf16Columns(std::size_t line) const;

private:
    std::vector<std::string> m_utf8;
    std::vector<std::string> m_projected;
};

} // namespace cli::lsp
