#include "core/cmdcheck/logical_line.h"

#include <algorithm>

namespace core::cmdcheck {

bool continues(std::string_view line) {
    // A macro line ends in %\n%, a variable holding a caret and a line break.
    if (line.ends_with("%\\n%")) return true;
    if (line.empty() || line.back() != '^') return false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') quoted = !quoted;
        else if (c == '^' && !quoted) {
            if (i + 1 == line.size()) return true;
            ++i;
        }
    }
    return false;
}

Place LogicalLine::placeOf(std::size_t offset) const {
    if (m_pieces.empty()) return {firstLine, offset};
    auto piece = std::upper_bound(m_pieces.begin(), m_pieces.end(), offset,
                                  [](std::size_t at, const Piece& p) { return at < p.offset; });
    --piece;
    return {piece->line, offset - piece->offset};
}

std::size_t LogicalLine::lengthOnLine(std::size_t offset, std::size_t length) const {
    std::size_t lineEnd = text.size();
    if (!m_pieces.empty()) {
        auto piece = std::upper_bound(m_pieces.begin(), m_pieces.end(), offset,
                                      [](std::size_t at, const Piece& p) { return at < p.offset; });
        --piece;
        lineEnd = piece->offset + piece->size;
    }
    return offset >= lineEnd ? 0 : std::min(length, lineEnd - offset);
}

bool LineJoiner::next(LogicalLine& out) {
    if (m_index >= m_lines.size()) return false;
    out.firstLine = m_index;
    out.m_pieces.clear();
    const std::string_view first = m_lines[m_index++];
    if (!continues(first) || m_index >= m_lines.size()) {
        out.lastLine = out.firstLine;
        out.text = first;
        return true;
    }
    // The '^' and the line break go; the next line's text follows directly.
    const auto kept = [](std::string_view line) { return line.size() - (line.back() == '^' ? 1 : 0); };
    out.m_joined.assign(first.substr(0, kept(first)));
    out.m_pieces.push_back({0, out.firstLine, kept(first)});
    for (;;) {
        const std::string_view line = m_lines[m_index];
        const bool more = continues(line) && m_index + 1 < m_lines.size();
        const std::size_t size = more ? kept(line) : line.size();
        out.m_pieces.push_back({out.m_joined.size(), m_index, size});
        out.m_joined.append(line.substr(0, size));
        ++m_index;
        if (!more) break;
    }
    out.lastLine = m_index - 1;
    out.text = out.m_joined;
    return true;
}

} // namespace core::cmdcheck
