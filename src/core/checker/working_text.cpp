#include "core/checker/working_text.h"

#include "core/text/codepage.h"

#include <array>

namespace core::checker {
namespace {

// The code page's upper case as a table, so that every line is upper-cased
// with one look-up per character. Built on first use: the code page's own
// tables are only certain to be ready once static initialisation is over.
const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> upper{};
        for (std::size_t b = 0; b < upper.size(); ++b) upper[b] = text::toUpper(static_cast<char>(b));
        return upper;
    }();
    return table;
}

} // namespace

void WorkingText::assign(std::string_view line) {
    m_own.assign(line);
    m_upper.resize(line.size());
    const auto& upper = upperTable();
    for (std::size_t i = 0; i < line.size(); ++i) m_upper[i] = upper[static_cast<unsigned char>(line[i])];
    m_front = 0;
}

char WorkingText::at(std::size_t pos) const {
    return pos >= 1 && pos <= m_upper.size() ? m_upper[pos - 1] : '\0';
}

bool WorkingText::startsWith(std::string_view word) const {
    // Most words of the rule chain fail on their first letter.
    if (word.empty()) return true;
    return !m_upper.empty() && m_upper.front() == word.front() && std::string_view(m_upper).starts_with(word);
}

bool WorkingText::hasAt(std::size_t pos, std::string_view part) const {
    return pos >= 1 && pos <= m_upper.size() && std::string_view(m_upper).substr(pos - 1).starts_with(part);
}

std::size_t WorkingText::find(std::string_view part, std::size_t from) const {
    if (from == 0) from = 1;
    const auto found = m_upper.find(part, from - 1);
    return found == std::string::npos ? 0 : found + 1;
}

std::size_t WorkingText::findLast(char c, std::size_t upTo) const {
    if (upTo == 0 || m_upper.empty()) return 0;
    const auto found = m_upper.rfind(c, upTo - 1);
    return found == std::string::npos ? 0 : found + 1;
}

std::size_t WorkingText::spaceCount(std::size_t from) const {
    std::size_t count = 0;
    for (std::size_t i = from == 0 ? 0 : from - 1; i + 1 < m_upper.size(); ++i)
        if (m_upper[i] == ' ') ++count;
    return count;
}

bool WorkingText::firstSpaceTest() const { return find(" ") <= 1; }

void WorkingText::removeFront(std::size_t n) {
    if (n > m_upper.size()) n = m_upper.size();
    m_upper.erase(0, n);
    m_own.erase(0, n);
    m_front += n;
}

void WorkingText::removeLeadingBlanks() {
    std::size_t n = 0;
    while (n < m_upper.size() && (m_upper[n] == ' ' || m_upper[n] == '\t')) ++n;
    removeFront(n);
}

void WorkingText::erase(std::size_t pos, std::size_t n) {
    if (pos == 0 || pos > m_upper.size()) return;
    if (pos == 1) return removeFront(n);
    m_upper.erase(pos - 1, n);
    m_own.erase(pos - 1, n);
}

void WorkingText::truncate(std::size_t pos) {
    if (pos == 0 || pos > m_upper.size()) return;
    erase(pos, m_upper.size());
}

std::string WorkingText::ownCase(std::size_t pos, std::size_t length) const {
    if (pos == 0 || pos > m_own.size()) return {};
    return m_own.substr(pos - 1, length);
}

} // namespace core::checker
