#pragma once
// Every open document of the window: the tabs in order, the current document
// (whose live text sits in the EditorView), the parked documents behind the
// other tabs, the open-document list and the recent-files list; and the file
// commands New, Open, Save, Save As and Close File.
//
// Names, captions, paths and document lines are UTF-8. Each document records
// the encoding its file is in: Open detects it and decodes, Save encodes.
#include "core/documents/browse_file_dialog.h"
#include "core/documents/file_stamps.h"
#include "core/documents/parked_documents.h"
#include "core/documents/pick_lists.h"
#include "core/documents/recent_files.h"
#include "core/ports/document_keeper.h"
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/session.h"
#include "core/text/encoding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace core::documents {

//! What a command changed, for the window to redraw.
enum class DocumentEvent {
    TabsChanged,        //!< tab captions, the selected tab or the status bar (path, encoding)
    RecentFilesChanged, //!< the captions or visibility of the recent-file entries
    SaveAsLineAdded,    //!< Save As added the "created with" line at the end
};

//! How a Close File ended.
enum class CloseResult {
    Closed,    //!< the document is gone
    Abandoned, //!< the user cancelled the prompt, or asked to save and the save was cancelled or failed
};

class DocumentSet {
public:
    DocumentSet(ports::EditorView& editor, ports::Prompter& prompter, ports::FileSystem& files,
                ports::SettingsStore& settings, PickLists& pickLists);

    //! Called after every change the window must show (a command may report a
    //! kind more than once); the window then reads the state below.
    void setListener(std::function<void(DocumentEvent)> listener);
    //! Another listener, called after the first (a status-bar item, for one).
    void addListener(std::function<void(DocumentEvent)> listener);
    //! The editor keeps the documents behind the tabs whole, undo history
    //! included (otherwise their text is kept here).
    void setKeeper(ports::DocumentKeeper* keeper) { m_keeper = keeper; }

    // ---- start-up (in this order, once) ---------------------------------

    //! Reads the recent-files list from the store (start-up visibility rule).
    void loadRecentFiles();
    //! Initial folders of the Open and Save dialogs, as start-up decided them.
    void setInitialFolders(std::string openFolder, std::string saveFolder);
    //! The first documents: each file given that can be read, in order; else "Untitled.bat".
    void start(const std::vector<std::string>& filesToOpen = {});
    //! Instead of start: opens the session's files that still exist and puts
    //! the front one in front. False when none could be opened (then call start).
    bool restoreSession(const settings::Session& session);

    // ---- commands -------------------------------------------------------

    void newFile();                                 //!< FileNew
    void fileOpen();                                //!< FileOpen: the Open dialog, then OpenFile
    //! OpenFile: opens path without a dialog (command line, open request,
    //! recent-file entries). False when the file could not be read.
    bool openFile(const std::string& path);
    void openRecent(std::size_t index);             //!< TheFile1Click .. TheFile3Click (0-based)
    //! FileSave (Save As for an untitled document). False when cancelled or failed.
    bool save();
    bool saveAs();                                  //!< FileSaveAs; false when cancelled or failed
    //! FileClose on the current document; the last one is replaced by a fresh
    //! untitled document.
    CloseResult closeFile();
    //! Shutdown: asks the save question of every modified document, tab by
    //! tab, and closes them all once every question is answered. False when
    //! the user cancelled a question or a save was cancelled or failed: the
    //! exit is then abandoned, and every document stays open.
    bool closeAll();
    //! The window came to the front: when another program changed the current
    //! document's file since it was read or saved, asks whether to reload it;
    //! when it deleted the file, says so. Each outside change is told once.
    void checkOutsideChange();
    //! Reads the current document's file again in another encoding (after a
    //! confirmation when it has unsaved changes); an untitled document only
    //! changes the encoding its Save will use.
    void reopenWithEncoding(text::Encoding encoding);
    //! Saves the current document in another encoding; false when cancelled or
    //! failed (the encoding then stays as it was).
    bool saveWithEncoding(text::Encoding encoding);
    //! TabControl1Change: the user selected tab index.
    void selectTab(std::size_t index);
    //! RichEdit1Change: the editor text changed (typed, pasted, or changed
    //! directly through the EditorView). Marks the document modified.
    void editorChanged();
    //! The editor's text is back to what was last saved (undo or redo to the
    //! save point): the document is unmodified again.
    void savePointReached();

    // ---- operations for the other subsystems -----------------------------

    //! The current document's name: a full path, "Untitled.bat"/"UntitledN.bat",
    //! with a "(N)" suffix when another tab bore the same file name.
    const std::string& currentDocumentName() const { return m_current.name; }
    //! The file the current document is read from and written to (no suffix).
    const std::string& currentFilePath() const { return m_current.filePath; }
    //! A number for the current document, its own while it is open (findings
    //! and checks belong to it); 0 before the first document.
    std::size_t currentDocumentId() const { return m_current.id; }
    //! The numbers of all open documents.
    std::vector<std::size_t> openDocumentIds() const;
    //! The files open in the tabs, in tab order, and which is in front
    //! (untitled documents have no file and are left out).
    settings::Session session() const;
    //! The encoding the current document is saved in.
    text::Encoding currentEncoding() const { return m_current.encoding; }
    //! The current document's lines (the editor content).
    std::vector<std::string> currentDocumentText() const;
    //! Adds one line after the last line of the current document.
    void appendLine(const std::string& line);
    //! Replaces the selection by text (inserts at the caret when nothing is
    //! selected); the caret ends after the text.
    void insertAtCaret(const std::string& text);
    //! The names of all open documents (the order they joined the list in).
    std::vector<std::string> listOpenDocuments() const;
    //! The captions of all tabs, in tab order: display name, plus "*" while modified.
    const std::vector<std::string>& tabCaptions() const { return m_tabs; }
    //! The window's title: "TEST.BAT — Quillet", "TEST.BAT* — Quillet" while modified.
    std::string windowTitle() const;
    //! SwitchToDocument: makes the document parked under caption current and
    //! selects its tab. True on success, and also when caption is the current
    //! document's own (nothing changes then); false when no parked document
    //! bears the caption. keepCurrent: park the current document first (false
    //! only when the current one is being discarded).
    bool switchToDocument(const std::string& caption, bool keepCurrent);

    // ---- state the window shows ----------------------------------------

    std::size_t currentTab() const { return m_currentTab; }
    //! Status bar panel 1: the current document's name.
    const std::string& statusText() const { return m_current.name; }
    const RecentFiles& recentFiles() const { return m_recent; }
    //! The Open dialog's current file name (last chosen in it, or the document
    //! most recently switched to); its folder is saved at exit.
    const std::string& openDialogFileName() const { return m_openDialogFileName; }
    //! The Save dialog's current file name (last proposed or chosen in it).
    const std::string& saveDialogFileName() const { return m_saveDialogFileName; }
    //! The wizard's Browse buttons' file dialog: its folder is kept at exit
    //! like the Open dialog's.
    BrowseFileDialog& browseDialog() { return m_browseDialog; }
    const ParkedDocuments& parkedDocuments() const { return m_parked; }

private:
    struct OpenDocument {
        std::string name;
        std::string filePath;
        text::Encoding encoding = text::Encoding::Windows1252;
        bool consoleNoted = false;
        std::size_t id = 0;
    };

    struct ReadDocument {
        std::vector<std::string> lines;
        text::Encoding encoding;
        std::optional<ports::FileStamp> stamp; //!< taken before reading
    };

    bool load(const std::string& path);
    std::optional<ReadDocument> readDocument(const std::string& path, std::optional<text::Encoding> encoding);
    bool reloadCurrent(std::optional<text::Encoding> encoding);
    bool mayOverwrite();
    bool askSaveQuestions();
    bool tabModified(std::size_t tab) const;
    void park();
    bool switchAt(std::size_t tab, const std::string& target, bool keepCurrent);
    bool isCurrentCaption(const std::string& target) const;
    void restore(std::size_t parkedIndex);
    void showDocument(OpenDocument document, const std::vector<std::string>& lines);
    void removeOpenDocument(const std::string& name);
    bool switchToOpenDocument(const std::string& filePath);
    std::string chooseUntitledName() const;
    std::string chooseOpenName(const std::string& filePath) const;
    bool captionInUse(const std::string& caption) const;
    std::size_t tabOf(const std::string& caption) const;
    text::Encoding defaultEncoding();
    bool settleEncoding();
    bool noteConsole(const std::string& text);
    bool writeCurrent(const std::string& filePath);
    void discardCurrent(std::size_t closingTab);
    void notify(DocumentEvent event);

    ports::EditorView& m_editor;
    ports::DocumentKeeper* m_keeper = nullptr;
    ports::Prompter& m_prompter;
    ports::FileSystem& m_files;
    ports::SettingsStore& m_settings;
    PickLists& m_pickLists;
    std::function<void(DocumentEvent)> m_listener;
    std::vector<std::function<void(DocumentEvent)>> m_moreListeners;

    std::vector<std::string> m_tabs;
    std::size_t m_currentTab = 0;
    OpenDocument m_current;
    std::vector<OpenDocument> m_open;
    ParkedDocuments m_parked;
    RecentFiles m_recent;
    std::string m_openFolder;
    std::string m_saveFolder;
    std::string m_openDialogFileName;
    std::string m_saveDialogFileName;
    BrowseFileDialog m_browseDialog;
    FileStamps m_stamps;
    //! The editor's undo history holds the point where the text was last saved.
    bool m_savePointInHistory = false;
    std::size_t m_lastId = 0;
};

} // namespace core::documents
