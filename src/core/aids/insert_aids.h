#pragma once
// What the Insert Filename and Insert Path dialogs and the Insert Batch File
// command do. Entries and combo box texts are document text (Windows-1252).
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/list_files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::aids {

//! A dialog's history of entries, kept in its list file ("Files.qlt" or
//! "Paths.qlt") and read back when its flag says the file exists.
class InsertHistory {
public:
    InsertHistory(settings::ListFile list, ports::SettingsStore& store, ports::FileSystem& files,
                  ports::Prompter& prompter);
    const std::vector<std::string>& entries() const { return m_entries; }
    void add(std::string entry) { m_entries.push_back(std::move(entry)); }
    //! Writes the list file and sets its flag; called however the dialog closes.
    void save();

private:
    settings::ListFile m_list;
    ports::SettingsStore& m_store;
    ports::FileSystem& m_files;
    ports::Prompter& m_prompter;
    std::vector<std::string> m_entries;
};

//! Inserts the short form of an existing path at the caret; a path that does
//! not exist (or an empty text) has no short form and inserts nothing.
void insertShortForm(ports::FileSystem& files, ports::EditorView& editor, std::string_view path);

class InsertFilename {
public:
    InsertFilename(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter);
    const InsertHistory& history() const { return m_history; }
    //! A file open dialog; the chosen path, added to the history, is the new
    //! combo box text. Nothing on Cancel.
    std::optional<std::string> browse();
    void insert(std::string_view comboText, ports::EditorView& editor) { insertShortForm(m_files, editor, comboText); }
    void close() { m_history.save(); }

private:
    ports::FileSystem& m_files;
    ports::Prompter& m_prompter;
    InsertHistory m_history;
};

class InsertPath {
public:
    InsertPath(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter);
    const InsertHistory& history() const { return m_history; }
    //! A directory chooser starting at the last chosen directory. A chosen
    //! directory becomes the last one and its short form the combo box text;
    //! either way the resulting combo box text joins the history and is returned.
    std::string browse(std::string_view comboText);
    void insert(std::string_view comboText, ports::EditorView& editor) { insertShortForm(m_files, editor, comboText); }
    //! Inserts the notation of one of the five standard directories.
    static void insertStandardDirectory(std::size_t index, ports::EditorView& editor);
    void close() { m_history.save(); }

private:
    ports::FileSystem& m_files;
    ports::Prompter& m_prompter;
    InsertHistory m_history;
    std::string m_lastDirectory; //!< UTF-8, as the chooser gives it
};

//! Insert Batch File: a file open dialog; the chosen file becomes a new last
//! line CALL "path", wherever the caret is, and is returned (UTF-8): the
//! dialog remembers it. Nothing on Cancel.
std::optional<std::string> insertBatchFileCall(ports::Prompter& prompter, ports::EditorView& editor);

} // namespace core::aids
