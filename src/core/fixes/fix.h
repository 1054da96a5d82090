#pragma once
// A fix: the edits that put a finding right, what to call it, and how sure it
// is. Positions count 0-based lines and characters of the decoded text, as the
// checker's columns do, so a fix applies to the document whatever its encoding.
#include <cstddef>
#include <string>
#include <vector>

namespace core::fixes {

struct Position {
    std::size_t line = 0;
    std::size_t column = 0;
    bool operator==(const Position&) const = default;
    //! Document order: by line, then by column.
    bool operator<(const Position& other) const {
        return line != other.line ? line < other.line : column < other.column;
    }
    bool operator<=(const Position& other) const { return !(other < *this); }
};

//! Replaces the characters from `start` up to `end` (a line break counts as
//! one character between lines) with `text` (UTF-8); an empty range inserts.
struct Edit {
    Position start{};
    Position end{};
    std::string text{};
    bool operator==(const Edit&) const = default;
};

//! Safe: keeps what the author evidently meant. Suggested: likely, not certain.
enum class Safety { Safe, Suggested };

struct Fix {
    std::string code{};  //!< the code of the finding it fixes
    std::string title{}; //!< UTF-8, for a menu: "Write /B"
    Safety safety = Safety::Safe;
    std::vector<Edit> edits{}; //!< never overlapping
    Position finding{};      //!< where the finding it fixes is
};

} // namespace core::fixes
