#pragma once
// The working text of one line: its upper-cased copy, from which the rules
// remove what they have dealt with. Positions are 1-based, as the rules count
// them; a position of 0 means "not found". A twin in the line's own letter
// case undergoes the same removals, so that text shown or listed can be taken
// from the line as written.
#include <cstddef>
#include <string>
#include <string_view>

namespace core::checker {

class WorkingText {
public:
    //! Starts over with a line; the front is at column 0.
    void assign(std::string_view line);

    const std::string& text() const { return m_upper; }
    std::size_t size() const { return m_upper.size(); }
    bool empty() const { return m_upper.empty(); }
    //! The character at a position; '\0' outside the text.
    char at(std::size_t pos) const;
    bool startsWith(std::string_view word) const {
        // Most words of the rule chain fail on their first letter.
        if (word.empty()) return true;
        return !m_upper.empty() && m_upper.front() == word.front() && std::string_view(m_upper).starts_with(word);
    }
    bool hasAt(std::size_t pos, std::string_view part) const;
    //! First position of `part` at or after `from`; 0 when absent.
    std::size_t find(std::string_view part, std::size_t from = 1) const;
    //! Last position of `c` among positions 1 to `upTo`; 0 when absent.
    std::size_t findLast(char c, std::size_t upTo) const;
    //! Spaces at positions 1 to size-1: one trailing space does not count.
    std::size_t spaceCount(std::size_t from = 1) const;
    //! True when W has no space or begins with one.
    bool firstSpaceTest() const;

    //! Removes up to n characters from the front; the front column moves with them.
    void removeFront(std::size_t n);
    //! Removes leading spaces and tabs.
    void removeLeadingBlanks();
    //! Removes n characters starting at a position.
    void erase(std::size_t pos, std::size_t n);
    //! Removes from a position to the end.
    void truncate(std::size_t pos);

    //! Characters of the text at positions [pos, pos+length), in the line's own case.
    std::string ownCase(std::size_t pos, std::size_t length) const;
    //! Column of the line at which position 1 stands (after front removals).
    std::size_t frontColumn() const { return m_front; }

private:
    std::string m_upper;
    std::string m_own;
    std::size_t m_front = 0;
};

} // namespace core::checker
