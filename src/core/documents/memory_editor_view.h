#pragma once
// An EditorView held in memory: the editor of `qlt` and of the tests.
#include "core/ports/document_keeper.h"
#include "core/ports/editor_view.h"

#include <map>
#include <string>
#include <vector>

namespace core::documents {

class MemoryEditorView : public ports::EditorView, public ports::DocumentKeeper {
public:
    MemoryEditorView() = default;
    explicit MemoryEditorView(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    std::vector<std::string> lines() const override { return m_lines; }
    void setLines(const std::vector<std::string>& lines) override;
    std::size_t lineCount() const override { return m_lines.size(); }
    std::string line(std::size_t index) const override;
    void appendLine(const std::string& text) override;

    std::size_t caret() const override { return m_caret; }
    void setCaret(std::size_t offset) override;
    std::size_t selectionStart() const override { return m_selStart; }
    std::size_t selectionLength() const override { return m_selLength; }
    void select(std::size_t start, std::size_t length) override;
    std::string selectedText() const override;
    void replaceSelection(const std::string& text) override;

    bool modified() const override { return m_modified; }
    void setModified(bool modified) override { m_modified = modified; }
    void resetUndo() override { ++m_undoResets; }
    //! Keeps documents put aside, as an editor with an undo history per
    //! document does (when a DocumentSet is given it as its keeper).
    void keepDocument(std::size_t key) override;
    bool showKeptDocument(std::size_t key) override;

    void resetColours() override { m_spans.clear(); }
    void colourSpan(const ports::ColourSpan& span) override { m_spans.push_back(span); }

    //! What the colouring painted since the last reset.
    const std::vector<ports::ColourSpan>& spans() const { return m_spans; }
    int undoResets() const { return m_undoResets; }
    //! The whole text as the editor holds it: lines joined by CR LF, no final break.
    std::string text() const override;

private:
    void setText(const std::string& text);
    std::size_t length() const;

    std::vector<std::string> m_lines;
    std::size_t m_caret = 0;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
    bool m_modified = false;
    int m_undoResets = 0;
    std::vector<ports::ColourSpan> m_spans;
    struct Kept {
        std::vector<std::string> lines;
        std::size_t caret = 0;
        bool modified = false;
    };
    std::map<std::size_t, Kept> m_kept;
};

} // namespace core::documents
