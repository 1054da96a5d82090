#include "core/documents/memory_editor_view.h"

#include "core/text/lines.h"

#include <algorithm>

namespace core::documents {

void MemoryEditorView::setLines(const std::vector<std::string>& lines) {
    m_lines = lines;
    m_caret = m_selStart = m_selLength = 0;
}

void MemoryEditorView::keepDocument(std::size_t key) {
    m_kept[key] = {std::move(m_lines), m_caret, m_modified};
    m_lines.clear();
    m_caret = m_selStart = m_selLength = 0;
    m_modified = false;
}

bool MemoryEditorView::showKeptDocument(std::size_t key) {
    const auto kept = m_kept.find(key);
    if (kept == m_kept.end()) return false;
    m_lines = std::move(kept->second.lines);
    m_caret = kept->second.caret;
    m_selStart = m_caret;
    m_selLength = 0;
    m_modified = kept->second.modified;
    m_kept.erase(kept);
    return true;
}

std::string MemoryEditorView::line(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index] : std::string();
}

void MemoryEditorView::appendLine(const std::string& text) {
    m_lines.push_back(text);
    m_modified = true;
}

std::string MemoryEditorView::text() const {
    std::string out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0) out += text::CRLF;
        out += m_lines[i];
    }
    return out;
}

std::size_t MemoryEditorView::length() const { return text().size(); }

void MemoryEditorView::setText(const std::string& text) {
    // An editor holding "a\r\n" shows an empty last line; lines() reports it.
    m_lines = text::splitLines(text);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) m_lines.emplace_back();
}

void MemoryEditorView::setCaret(std::size_t offset) {
    m_caret = std::min(offset, length());
    m_selStart = m_caret;
    m_selLength = 0;
}

void MemoryEditorView::select(std::size_t start, std::size_t length) {
    const auto total = this->length();
    m_selStart = std::min(start, total);
    m_selLength = std::min(length, total - m_selStart);
    m_caret = m_selStart + m_selLength;
}

std::string MemoryEditorView::selectedText() const { return text().substr(m_selStart, m_selLength); }

void MemoryEditorView::replaceSelection(const std::string& replacement) {
    std::string all = text();
    const auto start = m_selLength > 0 ? m_selStart : std::min(m_caret, all.size());
    all.replace(start, m_selLength, replacement);
    setText(all);
    m_caret = m_selStart = start + replacement.size();
    m_selLength = 0;
    m_modified = true;
}

} // namespace core::documents
