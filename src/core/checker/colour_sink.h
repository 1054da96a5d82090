#pragma once
// Where the check's colouring goes: a reset of the whole text to the default
// colour at the start of a check, then spans in role colours. The window paints
// them in its editor; `qlt check --spans` prints them. An editor also shows the
// line a message box is about while the box is open.
#include "core/ports/editor_view.h"

namespace core::checker {

class ColourSink {
public:
    virtual ~ColourSink() = default;
    virtual void resetColours() = 0;
    virtual void colourSpan(const ports::ColourSpan& span) = 0;
    //! A message about line `index` (0-based) is about to be shown.
    virtual void showLine(std::size_t /*index*/) {}
};

//! Colours an editor: the reset also clears the selection, as the check leaves
//! the editor with nothing selected.
class EditorViewColours : public ColourSink {
public:
    explicit EditorViewColours(ports::EditorView& view) : m_view(view) {}
    void resetColours() override {
        m_view.resetColours();
        m_view.select(0, 0);
    }
    void colourSpan(const ports::ColourSpan& span) override { m_view.colourSpan(span); }
    void showLine(std::size_t index) override { m_view.showLine(index); }

private:
    ports::EditorView& m_view;
};

} // namespace core::checker
