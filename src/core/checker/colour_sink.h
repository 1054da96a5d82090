#pragma once
// Where the check's colouring goes: a reset of the whole text to the default
// colour at the start of a check, then spans in role colours (columns in
// characters). The window paints them in its editor; `qlt check --spans`
// prints them. An editor also shows the line a message box is about while the
// box is open.
#include "core/ports/editor_view.h"
#include "core/text/checker_lines.h"

#include <string>
#include <vector>

namespace core::checker {

class ColourSink {
public:
    virtual ~ColourSink() = default;
    virtual void resetColours() = 0;
    virtual void colourSpan(const ports::ColourSpan& span) = 0;
    //! A message about line `index` (0-based) is about to be shown.
    virtual void showLine(std::size_t /*index*/) {}
    //! False when spans are thrown away unseen: a check need not make them.
    virtual bool keepsSpans() const { return true; }
};

//! Colours an editor: turns the character columns of each span into byte
//! offsets of the editor's UTF-8 lines, and hands the spans over in batches
//! (before each shown line and at flush), which an editor paints far faster
//! than one by one. The reset also clears the selection, as the check leaves
//! the editor with nothing selected. `showsLines`: false when no message box
//! is shown, so the editor need not move to each problem's line.
class EditorViewColours : public ColourSink {
public:
    EditorViewColours(ports::EditorView& view, const text::CheckerLines& lines, bool showsLines)
        : m_view(view), m_lines(lines), m_showsLines(showsLines) {}
    void resetColours() override;
    void colourSpan(const ports::ColourSpan& span) override;
    void showLine(std::size_t index) override;
    //! Paints the spans still waiting.
    void flush();

private:
    ports::EditorView& m_view;
    const text::CheckerLines& m_lines;
    bool m_showsLines;
    std::vector<ports::ColourSpan> m_waiting;
};

} // namespace core::checker
