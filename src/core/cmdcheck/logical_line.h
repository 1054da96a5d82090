#pragma once
// A logical line: one or more physical lines joined where a line ends in an
// unescaped '^' outside double quotes (the interpreter reads them as one).
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

struct Place {
    std::size_t line = 0;   //!< 0-based physical line
    std::size_t column = 0; //!< 0-based byte column
};

class LogicalLine {
public:
    std::string_view text;
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;

    //! Where an offset of `text` is in the document.
    Place placeOf(std::size_t offset) const;
    //! How many characters from `offset` stay on its physical line, at most `length`.
    std::size_t lengthOnLine(std::size_t offset, std::size_t length) const;

private:
    friend class LineJoiner;
    struct Piece {
        std::size_t offset; //!< where the physical line starts in `text`
        std::size_t line;
        std::size_t size;
    };
    std::vector<Piece> m_pieces; //!< empty for a single physical line
    std::string m_joined;
};

class LineJoiner {
public:
    explicit LineJoiner(std::span<const std::string_view> lines) : m_lines(lines) {}
    //! The logical lines that start in lines [first, last), joined no further than `last`.
    LineJoiner(std::span<const std::string_view> lines, std::size_t first, std::size_t last)
        : m_lines(lines.first(last)), m_index(first) {}
    //! The next logical line, or false at the end of the document.
    bool next(LogicalLine& out);

private:
    std::span<const std::string_view> m_lines;
    std::size_t m_index = 0;
};

//! Whether the line ends in a '^' that continues it on the next line.
bool continues(std::string_view line);

} // namespace core::cmdcheck
