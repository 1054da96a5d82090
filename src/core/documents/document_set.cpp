#include "core/documents/document_set.h"

#include "core/documents/document_names.h"
#include "core/documents/document_texts.h"
#include "core/settings/settings_table.h"
#include "core/settings/startup_state.h"
#include "core/text/codepage.h"
#include "core/text/lines.h"

#include <algorithm>
#include <cstdio>

namespace core::documents {
namespace {

using ports::Answer;
using ports::Buttons;
using ports::MessageKind;

// The length of the editor text: line breaks count two characters, the last
// line has none.
std::size_t textLength(const std::vector<std::string>& lines) {
    std::size_t length = 0;
    for (const auto& line : lines) length += line.size() + 2;
    return lines.empty() ? 0 : length - 2;
}

std::string codePointText(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

} // namespace

DocumentSet::DocumentSet(ports::EditorView& editor, ports::Prompter& prompter, ports::FileSystem& files,
                         ports::SettingsStore& settings, PickLists& pickLists)
    : m_editor(editor), m_prompter(prompter), m_files(files), m_settings(settings), m_pickLists(pickLists) {}

void DocumentSet::setListener(std::function<void(DocumentEvent)> listener) { m_listener = std::move(listener); }

void DocumentSet::addListener(std::function<void(DocumentEvent)> listener) {
    m_moreListeners.push_back(std::move(listener));
}

void DocumentSet::notify(DocumentEvent event) {
    if (m_listener) m_listener(event);
    for (const auto& listener : m_moreListeners) listener(event);
}

void DocumentSet::loadRecentFiles() {
    m_recent.load(m_settings);
    notify(DocumentEvent::RecentFilesChanged);
}

void DocumentSet::setInitialFolders(std::string openFolder, std::string saveFolder) {
    m_openFolder = std::move(openFolder);
    m_saveFolder = std::move(saveFolder);
}

void DocumentSet::start(const std::vector<std::string>& filesToOpen) {
    bool opened = false;
    for (const auto& file : filesToOpen) opened = openFile(file) || opened;
    if (!opened) newFile();
}

bool DocumentSet::restoreSession(const settings::Session& session) {
    std::size_t frontTab = 0;
    for (std::size_t i = 0; i < session.files.size(); ++i) {
        // A file deleted or moved since the last exit is left out without a word.
        if (!m_files.exists(session.files[i]) || switchToOpenDocument(session.files[i]) || !load(session.files[i])) continue;
        if (i <= session.front) frontTab = m_currentTab;
    }
    if (m_tabs.empty()) return false;
    selectTab(frontTab);
    return true;
}

// ---- New and Open ---------------------------------------------------------

void DocumentSet::newFile() {
    park();
    const auto name = chooseUntitledName();
    showDocument({name, name, defaultEncoding()}, {std::string(NEW_FILE_LINE_1), std::string(NEW_FILE_LINE_2)});
}

void DocumentSet::fileOpen() {
    ports::FileDialogRequest request;
    request.title = OPEN_TITLE;
    request.filter = OPEN_FILTER;
    request.initialFolder = settings::folderOf(m_openDialogFileName);
    if (request.initialFolder.empty()) request.initialFolder = m_openFolder;
    const auto chosen = m_prompter.openFiles(request);
    if (chosen.empty()) return;
    m_openDialogFileName = chosen.front();
    openFile(chosen.front());
}

bool DocumentSet::openFile(const std::string& path) {
    if (switchToOpenDocument(path)) return true;
    if (!load(path)) return false;
    m_recent.noteOpened(path, m_settings);
    notify(DocumentEvent::RecentFilesChanged);
    return true;
}

// The file in a new tab, in front; the recent-files list is left alone.
bool DocumentSet::load(const std::string& path) {
    // Read before anything changes, so an unreadable file leaves no trace.
    const auto read = readDocument(path, std::nullopt);
    if (!read) return false;
    park();
    showDocument({chooseOpenName(path), path, read->encoding}, read->lines);
    m_stamps.remember(path, read->stamp);
    return true;
}

void DocumentSet::openRecent(std::size_t index) { openFile(std::string(m_recent.file(index))); }

// A file that is open already: its tab is selected with the document as it was.
bool DocumentSet::switchToOpenDocument(const std::string& filePath) {
    const auto open = std::find_if(m_open.begin(), m_open.end(),
                                   [&](const OpenDocument& d) { return d.filePath == filePath; });
    if (open == m_open.end()) return false;
    if (open->name == m_current.name) return true;
    const auto modifiedCaption = captionOf(open->name, true);
    const bool modified = std::find(m_tabs.begin(), m_tabs.end(), modifiedCaption) != m_tabs.end();
    switchToDocument(captionOf(open->name, modified), /*keepCurrent=*/true);
    return true;
}

std::string DocumentSet::chooseUntitledName() const {
    for (int n = 0;; ++n) {
        auto name = untitledName(n);
        const bool listed = std::any_of(m_open.begin(), m_open.end(),
                                        [&](const OpenDocument& d) { return d.name == name; });
        if (!listed && !captionInUse(name)) return name;
    }
}

std::string DocumentSet::chooseOpenName(const std::string& filePath) const {
    auto name = filePath;
    for (int n = 1; captionInUse(std::string(displayName(name))); ++n) name = filePath + "(" + std::to_string(n) + ")";
    return name;
}

bool DocumentSet::captionInUse(const std::string& caption) const {
    return std::any_of(m_tabs.begin(), m_tabs.end(),
                       [&](const std::string& tab) { return tab == caption || tab == caption + "*"; });
}

// The new current document in a new last tab, unmodified, with no undo history.
void DocumentSet::showDocument(OpenDocument document, const std::vector<std::string>& lines) {
    document.id = ++m_lastId;
    m_open.push_back(document);
    m_current = std::move(document);
    m_pickLists.clear();
    m_tabs.push_back(captionOf(m_current.name, false));
    m_currentTab = m_tabs.size() - 1;
    m_editor.setLines(lines);
    m_editor.resetUndo();
    m_editor.setModified(false);
    m_savePointInHistory = true;
    notify(DocumentEvent::TabsChanged);
}

// ---- Parking and switching ------------------------------------------------

void DocumentSet::park() {
    if (m_current.name.empty()) return; // nothing is shown yet, or it was discarded
    ParkedDocument document;
    document.modified = m_editor.modified();
    document.caption = captionOf(m_current.name, document.modified);
    document.name = m_current.name;
    document.filePath = m_current.filePath;
    document.encoding = m_current.encoding;
    document.consoleNoted = m_current.consoleNoted;
    document.caret = m_editor.caret();
    document.id = m_current.id;
    document.savePointInHistory = m_savePointInHistory;
    // An editor that keeps the document keeps its undo history too.
    document.kept = m_keeper != nullptr;
    if (document.kept) m_keeper->keepDocument(m_current.id);
    else document.setLines(m_editor.lines());
    m_parked.park(std::move(document));
}

bool DocumentSet::switchToDocument(const std::string& caption, bool keepCurrent) {
    return switchAt(tabOf(caption), caption, keepCurrent);
}

void DocumentSet::selectTab(std::size_t index) {
    if (index < m_tabs.size() && index != m_currentTab) switchAt(index, m_tabs[index], /*keepCurrent=*/true);
}

bool DocumentSet::switchAt(std::size_t tab, const std::string& target, bool keepCurrent) {
    if (isCurrentCaption(target)) return true;
    const auto parked = m_parked.find(target);
    if (!parked) return false;
    if (keepCurrent) park();
    m_currentTab = tab;
    // Parking appended a document after the one found, so its index holds.
    restore(*parked);
    notify(DocumentEvent::TabsChanged);
    return true;
}

bool DocumentSet::isCurrentCaption(const std::string& target) const {
    if (m_current.name.empty()) return false;
    const std::string shown(displayName(m_current.name));
    return target == shown || target == shown + "*" || target == m_current.name || target == m_current.name + "*";
}

// The tab of a caption: an exact match first, else the first ignoring letter case.
std::size_t DocumentSet::tabOf(const std::string& caption) const {
    for (std::size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i] == caption) return i;
    for (std::size_t i = 0; i < m_tabs.size(); ++i)
        if (captionsMatch(m_tabs[i], caption)) return i;
    return m_currentTab;
}

void DocumentSet::restore(std::size_t parkedIndex) {
    auto document = m_parked.take(parkedIndex);
    if (document.kept && m_keeper != nullptr && m_keeper->showKeptDocument(document.id)) {
        // The caret belongs to the editor, not to the document it shows.
        m_editor.setCaret(document.caret);
        m_savePointInHistory = document.savePointInHistory;
    } else {
        const auto lines = document.lines();
        document.text = {};
        m_editor.setLines(lines);
        if (document.caret <= textLength(lines)) m_editor.setCaret(document.caret);
        m_editor.resetUndo();
        // A document parked modified has lost its undo history: no undo makes it unmodified.
        m_savePointInHistory = !document.modified;
    }
    m_editor.setModified(document.modified);
    m_current = {std::move(document.name), std::move(document.filePath), document.encoding, document.consoleNoted,
                 document.id};
    if (!document.modified) m_tabs[m_currentTab] = captionOf(m_current.name, false);
    m_openDialogFileName = m_current.name;
}

// ---- Editing --------------------------------------------------------------

void DocumentSet::editorChanged() {
    m_editor.setModified(true);
    if (m_tabs.empty()) return;
    auto& caption = m_tabs[m_currentTab];
    const auto modifiedCaption = captionOf(m_current.name, true);
    if (caption == modifiedCaption) return;
    caption = modifiedCaption;
    notify(DocumentEvent::TabsChanged);
}

void DocumentSet::savePointReached() {
    if (!m_savePointInHistory || m_tabs.empty()) return;
    m_editor.setModified(false);
    m_tabs[m_currentTab] = captionOf(m_current.name, false);
    notify(DocumentEvent::TabsChanged);
}

std::string DocumentSet::windowTitle() const {
    const std::string caption = m_tabs.empty() ? std::string() : m_tabs[m_currentTab];
    return caption + " \u2014 " + std::string(PROGRAM_NAME);
}

std::vector<std::string> DocumentSet::currentDocumentText() const { return m_editor.lines(); }

void DocumentSet::appendLine(const std::string& line) {
    m_editor.appendLine(line);
    editorChanged();
}

void DocumentSet::insertAtCaret(const std::string& text) {
    m_editor.replaceSelection(text);
    editorChanged();
}

std::vector<std::size_t> DocumentSet::openDocumentIds() const {
    std::vector<std::size_t> ids;
    ids.reserve(m_open.size());
    for (const auto& document : m_open) ids.push_back(document.id);
    return ids;
}

settings::Session DocumentSet::session() const {
    settings::Session session;
    for (std::size_t tab = 0; tab < m_tabs.size(); ++tab) {
        std::string filePath = m_current.filePath;
        if (tab != m_currentTab) {
            const auto parked = m_parked.find(m_tabs[tab]);
            if (!parked) continue;
            filePath = m_parked.at(*parked).filePath;
        }
        if (isUntitled(filePath)) continue;
        if (tab == m_currentTab) session.front = session.files.size();
        session.files.push_back(filePath);
    }
    return session;
}

std::vector<std::string> DocumentSet::listOpenDocuments() const {
    std::vector<std::string> names;
    names.reserve(m_open.size());
    for (const auto& document : m_open) names.push_back(document.name);
    return names;
}

// ---- Save and Save As -----------------------------------------------------

bool DocumentSet::save() {
    if (isUntitled(m_current.name)) return saveAs();
    if (!mayOverwrite() || !settleEncoding() || !writeCurrent(m_current.filePath)) return false;
    m_editor.setModified(false);
    m_savePointInHistory = true;
    m_tabs[m_currentTab] = captionOf(m_current.name, false);
    notify(DocumentEvent::TabsChanged);
    return true;
}

bool DocumentSet::saveAs() {
    if (!settleEncoding()) return false;
    ports::FileDialogRequest request;
    request.title = SAVE_TITLE;
    request.filter = SAVE_FILTER;
    request.defaultExtension = SAVE_EXTENSION;
    request.fileName = m_current.name;
    request.initialFolder = settings::folderOf(m_current.name);
    if (request.initialFolder.empty()) request.initialFolder = m_saveFolder;
    m_saveDialogFileName = m_current.name;
    const auto chosen = m_prompter.saveFile(request);
    if (!chosen) return false;
    m_saveDialogFileName = *chosen;
    const auto lines = m_editor.lines();
    const bool addLine =
        settings::readBool(m_settings, settings::Setting::SaveAsLine) &&
        std::none_of(lines.begin(), lines.end(), [](const std::string& l) { return text::equalsIgnoreCase(l, SAVE_AS_LINE); });
    if (addLine) appendLine(std::string(SAVE_AS_LINE));
    if (!writeCurrent(*chosen)) return false;
    m_editor.setModified(false);
    m_savePointInHistory = true;
    removeOpenDocument(m_current.name);
    m_current = {*chosen, *chosen, m_current.encoding, m_current.consoleNoted, m_current.id};
    m_open.push_back(m_current);
    m_tabs[m_currentTab] = captionOf(m_current.name, false);
    m_recent.noteSavedAs(*chosen, m_settings);
    notify(DocumentEvent::TabsChanged);
    notify(DocumentEvent::RecentFilesChanged);
    if (addLine) notify(DocumentEvent::SaveAsLineAdded);
    return true;
}

text::Encoding DocumentSet::defaultEncoding() {
    const auto key = settings::readText(m_settings, settings::Setting::DefaultEncoding);
    return text::encodingOfKey(key).value_or(text::Encoding::Windows1252);
}

// Text the encoding cannot hold is refused before anything is written, unless
// the user takes the offer to save it as UTF-8 instead.
bool DocumentSet::settleEncoding() {
    const auto text = text::joinLines(m_editor.lines());
    const auto encoded = text::encode(text, m_current.encoding);
    if (encoded.ok) return noteConsole(text);
    std::string character;
    text::appendUtf8(character, encoded.firstBad);
    const auto answer = m_prompter.message(MessageKind::Error, Buttons::YesNo,
                                           unencodableQuestion(character, codePointText(encoded.firstBad),
                                                               encoded.firstBadLine, text::encodingName(m_current.encoding)));
    if (answer != Answer::Yes) return false;
    m_current.encoding = text::Encoding::Utf8;
    notify(DocumentEvent::TabsChanged);
    return true;
}

// A console reads a batch file in its OEM code page: once per document, saving
// Windows-1252 text beyond ASCII says so and offers OEM 850 when it holds the
// text. Cancel (also Escape and the close box) saves nothing and decides nothing.
bool DocumentSet::noteConsole(const std::string& text) {
    if (m_current.encoding != text::Encoding::Windows1252 || m_current.consoleNoted || text::isAscii(text)) return true;
    if (!settings::readBool(m_settings, settings::Setting::WarnConsoleCharacters)) return true;
    if (!text::encode(text, text::Encoding::Oem850).ok) return true;
    std::size_t at = 0;
    while (static_cast<unsigned char>(text[at]) < 0x80) ++at;
    std::size_t end = at;
    const char32_t example = text::nextCodePoint(text, end);
    std::string character;
    text::appendUtf8(character, example);
    const auto answer = m_prompter.message(MessageKind::Information, Buttons::YesNoCancel, consoleQuestion(character));
    if (answer == Answer::Cancel) return false;
    m_current.consoleNoted = true;
    if (answer == Answer::No) {
        m_current.encoding = text::Encoding::Oem850;
        notify(DocumentEvent::TabsChanged);
    }
    return true;
}

bool DocumentSet::writeCurrent(const std::string& filePath) {
    const auto bytes = text::encode(text::joinLines(m_editor.lines()), m_current.encoding).bytes;
    const bool asKnown = m_stamps.changeOf(filePath, m_files.stamp(filePath)) == OutsideChange::None;
    const auto result = m_files.writeFileAtomically(filePath, bytes);
    if (result.ok) {
        m_stamps.remember(filePath, m_files.stamp(filePath));
        return true;
    }
    // A write in place that failed has put the old bytes back, with a new time.
    if (asKnown) m_stamps.refresh(filePath, m_files.stamp(filePath));
    m_prompter.message(MessageKind::Error, Buttons::Ok, writeError(filePath, result.error));
    return false;
}

// ---- Encodings ------------------------------------------------------------

void DocumentSet::reopenWithEncoding(text::Encoding encoding) {
    if (isUntitled(m_current.name)) {
        m_current.encoding = encoding;
        notify(DocumentEvent::TabsChanged);
        return;
    }
    if (m_editor.modified() &&
        m_prompter.message(MessageKind::Confirmation, Buttons::YesNo,
                           reopenPrompt(displayName(m_current.name), text::encodingName(encoding))) != Answer::Yes)
        return;
    reloadCurrent(encoding);
}

// Reads the current document's file again, in encoding or the one detected;
// false, after saying why, when it cannot be read.
bool DocumentSet::reloadCurrent(std::optional<text::Encoding> encoding) {
    const auto read = readDocument(m_current.filePath, encoding);
    if (!read) return false;
    const auto caret = m_editor.caret();
    m_editor.setLines(read->lines);
    if (caret <= textLength(read->lines)) m_editor.setCaret(caret);
    m_editor.resetUndo();
    m_editor.setModified(false);
    m_savePointInHistory = true;
    m_current.encoding = read->encoding;
    m_stamps.remember(m_current.filePath, read->stamp);
    m_tabs[m_currentTab] = captionOf(m_current.name, false);
    notify(DocumentEvent::TabsChanged);
    return true;
}

bool DocumentSet::saveWithEncoding(text::Encoding encoding) {
    const auto previous = m_current;
    m_current.encoding = encoding;
    m_current.consoleNoted = true; // the user chose the encoding
    if (save()) return true;
    if (m_current.name == previous.name) m_current = previous;
    notify(DocumentEvent::TabsChanged);
    return false;
}

// ---- Close ----------------------------------------------------------------

CloseResult DocumentSet::closeFile() {
    if (m_current.name.empty()) return CloseResult::Closed;
    if (m_editor.modified()) {
        const auto answer = m_prompter.message(MessageKind::Confirmation, Buttons::YesNoCancel,
                                               savePrompt(displayName(m_current.name)));
        // Cancel (also Escape and the box's close button) keeps the document as
        // it is, and so does a save the user asked for that does not happen.
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save())) return CloseResult::Abandoned;
    }
    const std::size_t closing = m_currentTab;
    m_pickLists.clear();
    if (m_tabs.size() == 1) {
        // A fresh untitled document joins; switching back parks it.
        newFile();
        switchAt(closing, m_tabs[closing], /*keepCurrent=*/true);
    }
    discardCurrent(closing);
    return CloseResult::Closed;
}

void DocumentSet::discardCurrent(std::size_t closingTab) {
    m_editor.setLines({});
    m_tabs.erase(m_tabs.begin() + static_cast<std::ptrdiff_t>(closingTab));
    removeOpenDocument(m_current.name);
    m_current = {};
    const std::size_t next = std::min(closingTab, m_tabs.size() - 1);
    m_currentTab = next;
    switchAt(next, m_tabs[next], /*keepCurrent=*/false);
}

bool DocumentSet::closeAll() {
    if (!askSaveQuestions()) return false;
    m_editor.setLines({});
    m_editor.setModified(false);
    m_pickLists.clear();
    m_tabs.clear();
    m_open.clear();
    m_parked = {};
    m_current = {};
    m_currentTab = 0;
    return true;
}

void DocumentSet::removeOpenDocument(const std::string& name) {
    const auto it = std::find_if(m_open.begin(), m_open.end(), [&](const OpenDocument& d) { return d.name == name; });
    if (it != m_open.end()) m_open.erase(it);
}

} // namespace core::documents
