#include "core/checker/colour_sink.h"

namespace core::checker {

void EditorViewColours::resetColours() {
    m_waiting.clear();
    m_view.resetColours();
    m_view.select(0, 0);
}

void EditorViewColours::colourSpan(const ports::ColourSpan& span) {
    if (span.line >= m_lines.lines().size()) return;
    if (m_lines.columnsAreBytes(span.line)) {
        m_waiting.push_back(span);
        return;
    }
    const std::string_view line = m_lines.utf8Line(span.line);
    const std::size_t from = text::byteOffsetOfColumn(line, span.column);
    const std::size_t to = from + text::byteOffsetOfColumn(line.substr(from), span.length);
    m_waiting.push_back({span.line, from, to - from, span.role});
}

void EditorViewColours::showLine(std::size_t index) {
    if (!m_showsLines) return;
    flush();
    m_view.showLine(index);
}

void EditorViewColours::flush() {
    m_view.colourSpans(m_waiting);
    m_waiting.clear();
}

} // namespace core::checker
