#include "platform/scintilla_editor_view.h"

#include "core/text/lines.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>
#include <Qsci/qscilexerbatch.h>
#include <Qsci/qsciscintilla.h>

#include <QEvent>
#include <QFontDatabase>

#include <algorithm>
#include <functional>

namespace platform {
namespace {

using Sci = QsciScintillaBase;
using core::checker::Severity;
// One marker per severity of the gravest finding of a line.
constexpr int PROBLEM_MARKER = 1;
constexpr int ERROR_MARKER = 2;
constexpr int INFO_MARKER = 3;
constexpr int PROBLEM_MARKERS = (1 << PROBLEM_MARKER) | (1 << ERROR_MARKER) | (1 << INFO_MARKER);
constexpr int SYMBOL_MARGIN = 1;

// Squiggles under findings, one indicator per severity, and the Find bar's boxes.
constexpr int ERROR_UNDERLINE = 12;
constexpr int WARNING_UNDERLINE = 13;
constexpr int INFO_UNDERLINE = 14;
constexpr int FIND_INDICATOR = 15;

// The check's colours lie over the batch lexer's as indicators that colour the
// text, one per role: the lexer colours while typing, the check on top.
constexpr int FIRST_ROLE_INDICATOR = 8;
constexpr int ROLE_INDICATORS = 3;

// From this many lines on, a check's colours go in as the lines are shown and
// while idle: Scintilla needs about a microsecond per span, too long to wait
// for on a big file. Slices are small enough to keep the window answering.
constexpr std::size_t LAZY_LINES = 20000;
constexpr std::size_t FILL_SLICE = 20000;

bool byLine(const core::ports::ColourSpan& a, const core::ports::ColourSpan& b) { return a.line < b.line; }

// Runs a function before each paint of the widget it watches.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void()> beforePaint) : m_beforePaint(std::move(beforePaint)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) m_beforePaint();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_beforePaint;
};

int markerOf(Severity severity) {
    switch (severity) {
    case Severity::Error: return ERROR_MARKER;
    case Severity::Warning: return PROBLEM_MARKER;
    case Severity::Info: return INFO_MARKER;
    }
    return PROBLEM_MARKER;
}

int underlineOf(Severity severity) {
    switch (severity) {
    case Severity::Error: return ERROR_UNDERLINE;
    case Severity::Warning: return WARNING_UNDERLINE;
    case Severity::Info: return INFO_UNDERLINE;
    }
    return WARNING_UNDERLINE;
}

// The batch lexer with the command words the check colours.
class TypingLexer : public QsciLexerBatch {
public:
    using QsciLexerBatch::QsciLexerBatch;
    const char* keywords(int set) const override { return set == 1 ? words.c_str() : nullptr; }
    std::string words;
};

int indicatorOf(core::ports::ColourRole role) {
    switch (role) {
    case core::ports::ColourRole::Text: return -1;
    case core::ports::ColourRole::Command: return FIRST_ROLE_INDICATOR;
    case core::ports::ColourRole::Label: return FIRST_ROLE_INDICATOR + 1;
    case core::ports::ColourRole::Comment: return FIRST_ROLE_INDICATOR + 2;
    // Strings and variables keep the batch lexer's colours.
    case core::ports::ColourRole::String:
    case core::ports::ColourRole::Variable: return -1;
    }
    return -1;
}

} // namespace

QFont editorFont(const QString& family, int pointSize) {
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

struct ScintillaEditorView::KeptDocument {
    QsciDocument document;
    bool forcedModified = false;
    std::vector<std::pair<int, QString>> problemMarkers;
};

ScintillaEditorView::ScintillaEditorView(QsciScintilla* editor)
    : m_editor(editor), m_typing(core::checker::typingColoursOf(core::checker::RuleSet::Cmd)) {
    setUpDocument();
    m_editor->setEolVisibility(false);
    m_editor->setWrapMode(QsciScintilla::WrapNone);
    m_editor->setMarginType(0, QsciScintilla::NumberMargin);
    m_editor->setMarginLineNumbers(0, true);
    m_editor->setMarginWidth(SYMBOL_MARGIN, 0);
    m_editor->setMarginType(SYMBOL_MARGIN, QsciScintilla::SymbolMargin);
    m_editor->setMarginMarkerMask(SYMBOL_MARGIN, PROBLEM_MARKERS);
    m_editor->markerDefine(QsciScintilla::Circle, PROBLEM_MARKER);
    m_editor->setMarkerBackgroundColor(QColor(0xE0, 0x70, 0x10), PROBLEM_MARKER);
    m_editor->setMarkerForegroundColor(QColor(0xA0, 0x40, 0x00), PROBLEM_MARKER);
    m_editor->markerDefine(QsciScintilla::Circle, ERROR_MARKER);
    m_editor->setMarkerBackgroundColor(QColor(0xD0, 0x20, 0x20), ERROR_MARKER);
    m_editor->setMarkerForegroundColor(QColor(0x80, 0x00, 0x00), ERROR_MARKER);
    m_editor->markerDefine(QsciScintilla::SmallRectangle, INFO_MARKER);
    m_editor->setMarkerBackgroundColor(QColor(0x50, 0x80, 0xC0), INFO_MARKER);
    m_editor->setMarkerForegroundColor(QColor(0x20, 0x40, 0x80), INFO_MARKER);
    const std::pair<int, QColor> underlines[] = {
        {ERROR_UNDERLINE, QColor(0xE0, 0x10, 0x10)}, {WARNING_UNDERLINE, QColor(0xE0, 0x90, 0x00)},
        {INFO_UNDERLINE, QColor(0x70, 0x70, 0x70)}};
    for (const auto& [indicator, colour] : underlines) {
        send(Sci::SCI_INDICSETSTYLE, indicator, indicator == INFO_UNDERLINE ? Sci::INDIC_DOTS : Sci::INDIC_SQUIGGLE);
        m_editor->SendScintilla(Sci::SCI_INDICSETFORE, indicator, colour);
    }
    send(Sci::SCI_INDICSETSTYLE, FIND_INDICATOR, Sci::INDIC_ROUNDBOX);
    m_editor->SendScintilla(Sci::SCI_INDICSETFORE, FIND_INDICATOR, QColor(0xF0, 0xC0, 0x00));
    send(Sci::SCI_INDICSETALPHA, FIND_INDICATOR, 110);
    send(Sci::SCI_INDICSETUNDER, FIND_INDICATOR, 1);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    send(Sci::SCI_SETSCROLLWIDTHTRACKING, 1);
    QObject::connect(m_editor, &QsciScintilla::linesChanged, m_editor, [this] { updateMarginWidth(); });
    updateMarginWidth();
    m_fillTimer.setInterval(0);
    QObject::connect(&m_fillTimer, &QTimer::timeout, &m_fillTimer, [this] { fillSlice(); });
    // An edit moves the text under the waiting spans: they all go in before it.
    QObject::connect(m_editor, &QsciScintillaBase::SCN_MODIFIED, &m_fillTimer,
                     [this](int, int type, const char*, int, int, int, int, int, int, int) {
                         if ((type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) != 0) fillAllPending();
                     });
    m_paintWatch = std::make_unique<PaintWatch>([this] { fillShownLines(); });
    m_editor->viewport()->installEventFilter(m_paintWatch.get());
}

ScintillaEditorView::~ScintillaEditorView() = default;

// What Scintilla keeps per document: the encoding and the line breaks.
void ScintillaEditorView::setUpDocument() {
    m_editor->setUtf8(true);
    m_editor->setEolMode(QsciScintilla::EolWindows);
}

long ScintillaEditorView::send(unsigned int message, unsigned long wParam, long lParam) const {
    return m_editor->SendScintilla(message, wParam, lParam);
}

void ScintillaEditorView::setLook(const EditorLook& look) {
    // The batch lexer colours command words, labels, comments and variables as
    // the user types, in the same colours as the check.
    m_look = look;
    auto* lexer = new TypingLexer(m_editor);
    lexer->words = m_typing.words;
    lexer->setDefaultFont(look.font);
    lexer->setFont(look.font);
    lexer->setDefaultPaper(look.background);
    lexer->setPaper(look.background);
    lexer->setDefaultColor(look.text);
    lexer->setColor(look.text);
    lexer->setColor(look.comment, QsciLexerBatch::Comment);
    lexer->setColor(look.command, QsciLexerBatch::Keyword);
    lexer->setColor(look.label, QsciLexerBatch::Label);
    lexer->setColor(look.label, QsciLexerBatch::Variable);
    lexer->setColor(m_typing.everyCommandWord ? look.command : look.text, QsciLexerBatch::ExternalCommand);
    for (int style = 0; style <= QsciLexerBatch::Operator; ++style) lexer->setFont(look.font, style);
    QsciLexer* previous = m_editor->lexer();
    m_lexer = lexer;
    attachLexer();
    delete previous;
    const QColor roles[ROLE_INDICATORS] = {look.command, look.label, look.comment};
    for (int i = 0; i < ROLE_INDICATORS; ++i) {
        send(Sci::SCI_INDICSETSTYLE, FIRST_ROLE_INDICATOR + i, Sci::INDIC_TEXTFORE);
        m_editor->SendScintilla(Sci::SCI_INDICSETFORE, FIRST_ROLE_INDICATOR + i, roles[i]);
    }
    m_editor->setCaretForegroundColor(look.text);
    updateMarginWidth();
}

// Scintilla keeps the lexer per document: each document shown gets it again,
// with the words of the moment. Attaching resets every style, the margin's too.
void ScintillaEditorView::attachLexer() {
    if (m_lexer == nullptr) return;
    m_editor->setLexer(m_lexer);
    const auto palette = m_editor->palette();
    m_editor->SendScintilla(Sci::SCI_STYLESETFORE, Sci::STYLE_LINENUMBER, palette.color(QPalette::WindowText));
    m_editor->SendScintilla(Sci::SCI_STYLESETBACK, Sci::STYLE_LINENUMBER, palette.color(QPalette::Window));
}

void ScintillaEditorView::setTypingColours(const core::checker::TypingColours& colours) {
    if (colours.words == m_typing.words && colours.everyCommandWord == m_typing.everyCommandWord) return;
    m_typing = colours;
    if (m_lexer == nullptr) return;
    static_cast<TypingLexer*>(m_lexer)->words = m_typing.words;
    m_lexer->setColor(m_typing.everyCommandWord ? m_look.command : m_look.text, QsciLexerBatch::ExternalCommand);
    attachLexer(); // reads the words again and colours anew
}

void ScintillaEditorView::keepDocument(std::size_t key) {
    fillAllPending();
    auto kept = std::make_unique<KeptDocument>();
    kept->document = m_editor->document();
    kept->forcedModified = m_forcedModified;
    kept->problemMarkers = std::move(m_problemMarkers);
    m_problemMarkers.clear();
    m_replacing = true;
    m_editor->setDocument(QsciDocument());
    setUpDocument();
    attachLexer();
    m_replacing = false;
    m_forcedModified = false;
    m_kept[key] = std::move(kept);
}

bool ScintillaEditorView::showKeptDocument(std::size_t key) {
    const auto kept = m_kept.find(key);
    if (kept == m_kept.end()) return false;
    dropPending();
    m_replacing = true;
    m_editor->setDocument(kept->second->document);
    // Putting the document aside took a reference to keep it alive, which
    // showing it again does not give back: the editor holds its own now, and
    // without this the document would never be freed.
    m_editor->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL,
                            m_editor->SendScintillaPtrResult(Sci::SCI_GETDOCPOINTER));
    attachLexer();
    m_replacing = false;
    m_forcedModified = kept->second->forcedModified;
    m_problemMarkers = std::move(kept->second->problemMarkers);
    m_kept.erase(kept);
    m_editor->setMarginWidth(SYMBOL_MARGIN, m_problemMarkers.empty() ? 0 : 16);
    updateMarginWidth();
    return true;
}

void ScintillaEditorView::showUnderlines(const std::vector<core::checker::Underline>& underlines) {
    quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
        for (const int indicator : {ERROR_UNDERLINE, WARNING_UNDERLINE, INFO_UNDERLINE}) {
            send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
            send(Sci::SCI_INDICATORCLEARRANGE, 0, length());
        }
        const auto lines = lineCount();
        for (const auto& underline : underlines) {
            if (underline.line >= lines || underline.length == 0) continue;
            const long from = send(Sci::SCI_POSITIONFROMLINE, underline.line) + static_cast<long>(underline.column);
            const long to = std::min(send(Sci::SCI_GETLINEENDPOSITION, underline.line), from + static_cast<long>(underline.length));
            if (from >= to) continue;
            send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(underlineOf(underline.severity)));
            send(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(from), to - from);
        }
    });
}

void ScintillaEditorView::highlightMatches(const std::vector<core::documents::TextMatch>& matches) {
    quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
        send(Sci::SCI_SETINDICATORCURRENT, FIND_INDICATOR);
        send(Sci::SCI_INDICATORCLEARRANGE, 0, length());
        for (const auto& match : matches)
            send(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(positionOf(match.start)),
                 static_cast<long>(match.length));
    });
}

void ScintillaEditorView::releaseKeys(const QList<QKeySequence>& shortcuts) {
    for (QsciCommand* command : m_editor->standardCommands()->commands()) {
        for (const auto& shortcut : shortcuts) {
            const int key = shortcut[0].toCombined();
            if (command->key() == key) command->setKey(0);
            if (command->alternateKey() == key) command->setAlternateKey(0);
        }
    }
}

void ScintillaEditorView::updateMarginWidth() {
    const auto digits = QString::number(std::max(m_editor->lines(), 1)).size();
    m_editor->setMarginWidth(0, QString(digits + 1, QLatin1Char('9')));
}

long ScintillaEditorView::length() const { return send(Sci::SCI_GETLENGTH); }

// Offsets are UTF-8 byte offsets with CR LF breaks: Scintilla's own positions.
long ScintillaEditorView::positionOf(std::size_t offset) const {
    return static_cast<long>(std::min<std::size_t>(offset, static_cast<std::size_t>(length())));
}

std::string ScintillaEditorView::textRange(long start, long end) const {
    if (end <= start) return {};
    std::string utf8(static_cast<std::size_t>(end - start) + 1, '\0');
    m_editor->SendScintilla(Sci::SCI_GETTEXTRANGE, start, end, utf8.data());
    utf8.resize(static_cast<std::size_t>(end - start));
    return utf8;
}

std::string_view ScintillaEditorView::widgetText() const {
    const auto* data = static_cast<const char*>(m_editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return {data, static_cast<std::size_t>(length())};
}

std::vector<std::string> ScintillaEditorView::lines() const {
    const std::string_view bytes = widgetText();
    auto result = core::text::splitLines(bytes);
    // A text ending in a line break shows an empty last line; it is a line.
    if (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) result.emplace_back();
    return result;
}

void ScintillaEditorView::setLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += core::text::CRLF;
        text += lines[i];
    }
    const std::string& utf8 = text;
    const bool wasModified = modified();
    dropPending();
    m_replacing = true;
    // Replacing the text is no edit: the undo history is not even recorded.
    send(Sci::SCI_SETUNDOCOLLECTION, 0);
    send(Sci::SCI_CLEARALL);
    m_editor->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.c_str());
    send(Sci::SCI_SETUNDOCOLLECTION, 1);
    send(Sci::SCI_GOTOPOS, 0);
    send(Sci::SCI_EMPTYUNDOBUFFER);
    send(Sci::SCI_SETSAVEPOINT);
    m_replacing = false;
    m_forcedModified = wasModified;
}

std::size_t ScintillaEditorView::lineCount() const {
    return length() == 0 ? 0 : static_cast<std::size_t>(send(Sci::SCI_GETLINECOUNT));
}

std::string ScintillaEditorView::line(std::size_t index) const {
    if (index >= lineCount()) return {};
    return textRange(send(Sci::SCI_POSITIONFROMLINE, index), send(Sci::SCI_GETLINEENDPOSITION, index));
}

void ScintillaEditorView::appendLine(const std::string& text) {
    const std::string utf8 = (length() == 0 ? std::string() : std::string(core::text::CRLF)) + text;
    m_editor->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.c_str());
}

std::size_t ScintillaEditorView::caret() const { return static_cast<std::size_t>(send(Sci::SCI_GETCURRENTPOS)); }

void ScintillaEditorView::setCaret(std::size_t offset) { send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(positionOf(offset))); }

std::size_t ScintillaEditorView::selectionStart() const { return static_cast<std::size_t>(send(Sci::SCI_GETSELECTIONSTART)); }

std::size_t ScintillaEditorView::selectionLength() const {
    return static_cast<std::size_t>(send(Sci::SCI_GETSELECTIONEND)) - selectionStart();
}

void ScintillaEditorView::select(std::size_t start, std::size_t length) {
    const long from = positionOf(start);
    const long to = positionOf(start + length);
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(from), to);
}

std::string ScintillaEditorView::selectedText() const {
    return textRange(send(Sci::SCI_GETSELECTIONSTART), send(Sci::SCI_GETSELECTIONEND));
}

void ScintillaEditorView::replaceSelection(const std::string& utf8) {
    const long start = send(Sci::SCI_GETSELECTIONSTART);
    send(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), send(Sci::SCI_GETSELECTIONEND));
    m_editor->SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.c_str());
    send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(start + static_cast<long>(utf8.size())));
}

core::ports::ViewPlace ScintillaEditorView::place() const {
    return {static_cast<std::size_t>(send(Sci::SCI_GETANCHOR)), static_cast<std::size_t>(send(Sci::SCI_GETCURRENTPOS)),
            static_cast<std::size_t>(send(Sci::SCI_GETFIRSTVISIBLELINE)), static_cast<std::size_t>(send(Sci::SCI_GETXOFFSET))};
}

void ScintillaEditorView::restorePlace(const core::ports::ViewPlace& place) {
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(positionOf(place.anchor)), positionOf(place.caret));
    send(Sci::SCI_SETFIRSTVISIBLELINE, place.firstVisibleLine);
    send(Sci::SCI_SETXOFFSET, place.horizontalScroll);
}

void ScintillaEditorView::showLine(std::size_t index) {
    if (index >= lineCount()) return;
    const long start = send(Sci::SCI_POSITIONFROMLINE, index);
    const long end = send(Sci::SCI_GETLINEENDPOSITION, index);
    // Caret at the line's start, so a long line shows its beginning.
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(end), start);
    send(Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, index);
    send(Sci::SCI_SCROLLCARET);
}

template <typename Change> void ScintillaEditorView::quietly(unsigned int noticeFlags, Change change) {
    const long mask = send(Sci::SCI_GETMODEVENTMASK);
    send(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask) & ~noticeFlags);
    QWidget* viewport = m_editor->viewport();
    const bool updating = viewport->updatesEnabled();
    viewport->setUpdatesEnabled(false);
    change();
    viewport->setUpdatesEnabled(updating);
    send(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
    viewport->update();
}

void ScintillaEditorView::showProblemMarkers(const std::vector<core::checker::ProblemMarker>& markers) {
    quietly(Sci::SC_MOD_CHANGEMARKER, [&] {
        for (const int marker : {PROBLEM_MARKER, ERROR_MARKER, INFO_MARKER}) m_editor->markerDeleteAll(marker);
        m_problemMarkers.clear();
        m_problemMarkers.reserve(markers.size());
        for (const auto& marker : markers) {
            const int handle = m_editor->markerAdd(static_cast<int>(marker.line) - 1, markerOf(marker.severity));
            if (handle >= 0) m_problemMarkers.emplace_back(handle, QString::fromUtf8(marker.tooltip));
        }
    });
    updateMarkerMargin();
}

void ScintillaEditorView::keepMarkerMargin(bool keep) {
    m_keepMarkerMargin = keep;
    updateMarkerMargin();
}

void ScintillaEditorView::updateMarkerMargin() {
    m_editor->setMarginWidth(SYMBOL_MARGIN, m_problemMarkers.empty() && !m_keepMarkerMargin ? 0 : 16);
}

QString ScintillaEditorView::problemTextAt(const QPoint& viewportPoint) const {
    int margins = 0;
    for (int margin = 0; margin <= SYMBOL_MARGIN; ++margin) margins += m_editor->marginWidth(margin);
    if (m_problemMarkers.empty() || viewportPoint.x() >= margins) return {};
    const long position = send(Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(margins), viewportPoint.y());
    const long line = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    if ((send(Sci::SCI_MARKERGET, static_cast<unsigned long>(line)) & PROBLEM_MARKERS) == 0) return {};
    // Finding a marker's line walks every line, so the markers, which keep
    // their order as lines come and go, are searched by halves.
    const auto found = std::partition_point(m_problemMarkers.begin(), m_problemMarkers.end(),
                                            [&](const auto& marker) { return m_editor->markerLine(marker.first) < line; });
    return found != m_problemMarkers.end() && m_editor->markerLine(found->first) == line ? found->second : QString();
}

bool ScintillaEditorView::modified() const { return m_forcedModified || send(Sci::SCI_GETMODIFY) != 0; }

void ScintillaEditorView::setModified(bool modified) {
    // Scintilla can only be told that the text is saved; "modified" without
    // an edit is remembered here.
    m_forcedModified = modified;
    // Setting the save point always reports it, even when the text is there already.
    if (!modified && send(Sci::SCI_GETMODIFY) != 0) send(Sci::SCI_SETSAVEPOINT);
}

void ScintillaEditorView::resetUndo() { send(Sci::SCI_EMPTYUNDOBUFFER); }

void ScintillaEditorView::resetColours() {
    dropPending();
    for (int i = 0; i < ROLE_INDICATORS; ++i) {
        send(Sci::SCI_SETINDICATORCURRENT, FIRST_ROLE_INDICATOR + i);
        send(Sci::SCI_INDICATORCLEARRANGE, 0, length());
    }
}

void ScintillaEditorView::colourSpans(std::span<const core::ports::ColourSpan> spans) {
    if (spans.empty()) return;
    if (m_pending.empty() && lineCount() < LAZY_LINES) {
        quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
            for (const auto& span : spans) colourSpan(span);
        });
        return;
    }
    const bool inOrder = std::is_sorted(spans.begin(), spans.end(), byLine) &&
                         (m_pending.empty() || m_pending.back().line <= spans.front().line);
    m_pending.insert(m_pending.end(), spans.begin(), spans.end());
    if (!inOrder) {
        std::stable_sort(m_pending.begin(), m_pending.end(), byLine);
        m_pendingNext = 0;
    }
    m_fillTimer.start();
    m_editor->viewport()->update();
}

void ScintillaEditorView::fillShownLines() {
    if (m_pending.empty()) return;
    const auto first = static_cast<std::size_t>(send(Sci::SCI_GETFIRSTVISIBLELINE));
    const auto last = first + static_cast<std::size_t>(send(Sci::SCI_LINESONSCREEN));
    const auto from = std::lower_bound(m_pending.begin(), m_pending.end(), core::ports::ColourSpan{first}, byLine);
    const auto to = std::upper_bound(from, m_pending.end(), core::ports::ColourSpan{last}, byLine);
    if (std::all_of(from, to, [](const core::ports::ColourSpan& span) { return span.length == 0; })) return;
    quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
        for (auto span = from; span != to; ++span) {
            if (span->length == 0) continue;
            colourSpan(*span);
            span->length = 0;
        }
    });
}

void ScintillaEditorView::fillSlice() {
    fillShownLines();
    const std::size_t end = std::min(m_pending.size(), m_pendingNext + FILL_SLICE);
    quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
        for (; m_pendingNext < end; ++m_pendingNext)
            if (m_pending[m_pendingNext].length != 0) colourSpan(m_pending[m_pendingNext]);
    });
    if (m_pendingNext == m_pending.size()) dropPending();
}

void ScintillaEditorView::fillAllPending() {
    if (m_pending.empty()) return;
    quietly(Sci::SC_MOD_CHANGEINDICATOR, [&] {
        for (const auto& span : m_pending)
            if (span.length != 0) colourSpan(span);
    });
    dropPending();
}

void ScintillaEditorView::dropPending() {
    std::vector<core::ports::ColourSpan>().swap(m_pending);
    m_pendingNext = 0;
    m_fillTimer.stop();
}

void ScintillaEditorView::colourSpan(const core::ports::ColourSpan& span) {
    if (span.line >= lineCount() || span.length == 0) return;
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, span.line);
    const long lineEnd = send(Sci::SCI_GETLINEENDPOSITION, span.line);
    const long from = lineStart + static_cast<long>(span.column);
    const long to = std::min(lineEnd, from + static_cast<long>(span.length));
    const int indicator = indicatorOf(span.role);
    if (from >= to || indicator < 0) return;
    send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
    send(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(from), to - from);
}

} // namespace platform
