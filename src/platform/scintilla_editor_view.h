#pragma once
// EditorView over the QScintilla widget RichEdit1. The widget holds UTF-8 in
// CR LF mode and counts positions in bytes, a line break as two: exactly the
// port's text and offsets, so this adapter only forwards.
#include "core/checker/live_check.h"
#include "core/checker/problem_list.h"
#include "core/checker/typing_colours.h"
#include "core/documents/text_search.h"
#include "core/ports/document_keeper.h"
#include "core/ports/editor_view.h"

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QsciScintilla;
class QsciDocument;
class QsciLexerBatch;

namespace platform {

//! How the editor draws: font, paper, default text colour and the three role colours.
struct EditorLook {
    QFont font;
    QColor background;
    QColor text;
    QColor command;
    QColor label;
    QColor comment;
};

//! The font named, or the system's fixed-width font at that size when the
//! family is not installed.
QFont editorFont(const QString& family, int pointSize);

class ScintillaEditorView : public core::ports::EditorView, public core::ports::DocumentKeeper {
public:
    //! Sets the widget up: CR LF line breaks, plain text, no wrap, both scroll
    //! bars, a line-number margin.
    explicit ScintillaEditorView(QsciScintilla* editor);
    ~ScintillaEditorView() override;
    ScintillaEditorView(const ScintillaEditorView&) = delete;
    ScintillaEditorView& operator=(const ScintillaEditorView&) = delete;

    void setLook(const EditorLook& look);
    //! Frees keys the widget binds itself (Shift+Ins pastes, Ctrl+Ins copies,
    //! Ins toggles overtype, Ctrl+U lowers case ...) so window shortcuts reach
    //! their actions while the editor has the focus.
    void releaseKeys(const QList<QKeySequence>& shortcuts);
    //! True while setLines replaces the text: such changes are not edits.
    bool replacingText() const { return m_replacing; }

    std::vector<std::string> lines() const override;
    std::string text() const override { return std::string(widgetText()); }
    void setLines(const std::vector<std::string>& lines) override;
    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void appendLine(const std::string& text) override;

    std::size_t caret() const override;
    void setCaret(std::size_t offset) override;
    std::size_t selectionStart() const override;
    std::size_t selectionLength() const override;
    void select(std::size_t start, std::size_t length) override;
    std::string selectedText() const override;
    void replaceSelection(const std::string& text) override;
    core::ports::ViewPlace place() const override;
    void restorePlace(const core::ports::ViewPlace& place) override;
    void showLine(std::size_t index) override;

    bool modified() const override;
    void setModified(bool modified) override;
    void resetUndo() override;
    //! Each document behind a tab stays a document of the widget, with its
    //! undo history, colours, underlines and markers.
    void keepDocument(std::size_t key) override;
    bool showKeptDocument(std::size_t key) override;
    //! The words the editor colours as commands while the user types.
    void setTypingColours(const core::checker::TypingColours& colours);
    //! Squiggles under the findings: red errors, amber warnings, grey notes.
    void showUnderlines(const std::vector<core::checker::Underline>& underlines);
    //! A box around each match of the Find bar; none when empty.
    void highlightMatches(const std::vector<core::documents::TextMatch>& matches);

    void resetColours() override;
    void colourSpan(const core::ports::ColourSpan& span) override;
    //! In a large document the spans go in as their lines are painted and, in
    //! slices, while the window is idle, and all of them before any edit.
    void colourSpans(std::span<const core::ports::ColourSpan> spans) override;
    //! True while spans of a large document wait to go in.
    bool coloursPending() const { return !m_pending.empty(); }

    //! A marker beside each line with findings (they move with their lines as
    //! the text is edited); none when the list is empty.
    void showProblemMarkers(const std::vector<core::checker::ProblemMarker>& markers);
    //! Keeps the markers' margin even with no marker, so that the text does not
    //! move sideways each time the check as you type finds a first problem or
    //! the last one goes.
    void keepMarkerMargin(bool keep);
    //! The findings' texts of the line at a point of the editor's viewport, for
    //! the marker's tooltip; empty when the line has none.
    QString problemTextAt(const QPoint& viewportPoint) const;

private:
    void updateMarkerMargin();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    long length() const;
    std::string_view widgetText() const;
    long positionOf(std::size_t offset) const;
    std::string textRange(long start, long end) const;
    void updateMarginWidth();
    //! Runs `change` with no repaint and no change notice per step, then repaints once.
    template <typename Change> void quietly(unsigned int noticeFlags, Change change);
    //! Fills the waiting spans of the lines on screen.
    void fillShownLines();
    //! Fills the next slice of waiting spans (those on screen first).
    void fillSlice();
    void fillAllPending();
    void dropPending();

    void setUpDocument();
    void attachLexer();

    struct KeptDocument;
    QsciScintilla* m_editor;
    QsciLexerBatch* m_lexer = nullptr;
    EditorLook m_look;
    core::checker::TypingColours m_typing;
    std::map<std::size_t, std::unique_ptr<KeptDocument>> m_kept;
    bool m_forcedModified = false;
    bool m_replacing = false;
    std::vector<std::pair<int, QString>> m_problemMarkers; //!< marker handle, tooltip
    bool m_keepMarkerMargin = false;
    std::vector<core::ports::ColourSpan> m_pending; //!< by line; a filled one has length 0
    std::size_t m_pendingNext = 0;                  //!< where the next idle slice starts
    QTimer m_fillTimer;
    std::unique_ptr<QObject> m_paintWatch;
};

} // namespace platform
