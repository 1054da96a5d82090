#pragma once
// The current document's live text, as the editor shows it. Text is UTF-8,
// whatever the file's encoding (core::text decodes on Open and encodes on Save).
// Offsets are byte offsets into that UTF-8 text, counting from 0, with each
// line break counted as two (CR LF): the way the editor widget counts its
// positions. Column positions inside a line are byte offsets too; the checker's
// per-character columns are turned into them by core::text::byteOffsetOfColumn.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace core::ports {

enum class ColourRole { Text, Command, Label, Comment, String, Variable };

//! A stretch of a line in a role colour. The checker emits columns and lengths
//! in characters; EditorView::colourSpan takes them in bytes of the line's UTF-8
//! text (core::checker::EditorViewColours converts).
struct ColourSpan {
    std::size_t line = 0;   //!< 0-based line
    std::size_t column = 0; //!< 0-based
    std::size_t length = 0;
    ColourRole role = ColourRole::Text;
    bool operator==(const ColourSpan&) const = default;
};

//! Where the user is in the text: the selection's anchor and caret (equal when
//! nothing is selected) and the scroll position.
struct ViewPlace {
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t firstVisibleLine = 0; //!< 0-based
    std::size_t horizontalScroll = 0; //!< pixels
};

class EditorView {
public:
    virtual ~EditorView() = default;

    virtual std::vector<std::string> lines() const = 0;
    //! The whole text in one piece, lines joined by CR LF (what lines() splits).
    virtual std::string text() const = 0;
    //! Replaces the whole text (used when a document is shown); no undo step.
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    virtual std::size_t lineCount() const = 0;
    virtual std::string line(std::size_t index) const = 0;
    //! Adds a new last line (an undoable edit that marks the document modified).
    virtual void appendLine(const std::string& text) = 0;

    virtual std::size_t caret() const = 0;
    virtual void setCaret(std::size_t offset) = 0;
    virtual std::size_t selectionStart() const = 0;
    virtual std::size_t selectionLength() const = 0;
    virtual void select(std::size_t start, std::size_t length) = 0;
    virtual std::string selectedText() const = 0;
    //! Replaces the selection (or inserts at the caret when none) as one undoable edit.
    virtual void replaceSelection(const std::string& text) = 0;

    //! The selection and scroll position, to come back to with restorePlace.
    virtual ViewPlace place() const {
        const auto start = selectionStart();
        const auto end = start + selectionLength();
        return {caret() == start ? end : start, caret(), 0, 0};
    }
    virtual void restorePlace(const ViewPlace& place) {
        const auto start = place.anchor < place.caret ? place.anchor : place.caret;
        const auto end = place.anchor < place.caret ? place.caret : place.anchor;
        select(start, end - start);
    }
    //! Selects the whole of line `index` (0-based, without its break) and scrolls it into view.
    virtual void showLine(std::size_t index) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < index && i < lineCount(); ++i) start += line(i).size() + 2;
        select(start, line(index).size());
    }

    virtual bool modified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual void resetUndo() = 0;

    //! Colouring: back to the default colour, then spans in role colours.
    //! Neither touches the undo history or the modified flag.
    virtual void resetColours() = 0;
    virtual void colourSpan(const ColourSpan& span) = 0;
    //! Many spans at once, for an editor that paints them faster together.
    virtual void colourSpans(std::span<const ColourSpan> spans) {
        for (const auto& span : spans) colourSpan(span);
    }
};

} // namespace core::ports
