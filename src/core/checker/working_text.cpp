#include "core/checker/working_text.h"

#include "core/text/codepage.h"

namespace core::checker {

void WorkingText::assign(std::string_view line) {
    m_own.assign(line);
    m_upper.resize(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) m_upper[i] = text::toUpper(line[i]);
    m_front = 0;
}

char WorkingText::at(std::size_t pos) const {
    return pos >= 1 && pos <= m_upper.size() ? m_upper[pos - 1] : '\0';
}

bool WorkingText::startsWith(std::string_view word) const {
    return std::string_view(m_upper).starts_with(word);
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
