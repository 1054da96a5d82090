#include "core/checker/working_text.h"

#include "core/text/codepage.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

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

// Upper-cases eight ASCII bytes at once (a-z only); nothing when a byte is not ASCII.
std::optional<std::uint64_t> upperAscii(std::uint64_t bytes) {
    constexpr std::uint64_t ONES = 0x0101010101010101;
    constexpr std::uint64_t HIGH = ONES * 0x80;
    if (bytes & HIGH) return std::nullopt;
    const std::uint64_t fromA = bytes + ONES * (0x80 - 'a'); // high bit set where byte >= 'a'
    const std::uint64_t pastZ = bytes + ONES * (0x7F - 'z'); // high bit set where byte > 'z'
    return bytes - ((fromA & ~pastZ & HIGH) >> 2);            // 0x80 >> 2 is the case difference
}

} // namespace

void WorkingText::assign(std::string_view line) {
    m_own.assign(line);
    m_upper.resize(line.size());
    const auto& upper = upperTable();
    std::size_t i = 0;
    for (; i + 8 <= line.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, line.data() + i, 8);
        if (const auto converted = upperAscii(word)) {
            std::memcpy(m_upper.data() + i, &*converted, 8);
            continue;
        }
        for (std::size_t j = i; j < i + 8; ++j) m_upper[j] = upper[static_cast<unsigned char>(line[j])];
    }
    for (; i < line.size(); ++i) m_upper[i] = upper[static_cast<unsigned char>(line[i])];
    m_front = 0;
}

char WorkingText::at(std::size_t pos) const {
    return pos >= 1 && pos <= m_upper.size() ? m_upper[pos - 1] : '\0';
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
