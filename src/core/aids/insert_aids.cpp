#include "core/aids/insert_aids.h"

#include "core/aids/list_saving.h"
#include "core/aids/short_path.h"
#include "core/aids/aid_texts.h"
#include "core/text/codepage.h"

namespace core::aids {

InsertHistory::InsertHistory(settings::ListFile list, ports::SettingsStore& store, ports::FileSystem& files,
                             ports::Prompter& prompter)
    : m_list(list), m_store(store), m_files(files), m_prompter(prompter),
      m_entries(settings::loadList(store, files, list)) {}

void InsertHistory::save() { saveListOrReport(m_store, m_files, m_prompter, m_list, m_entries); }

void insertShortForm(ports::FileSystem& files, ports::EditorView& editor, std::string_view path) {
    if (path.empty() || !files.exists(text::toUtf8(path))) return;
    editor.replaceSelection(text::toUtf8(shortPathOfText(files, path)));
}

InsertFilename::InsertFilename(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter)
    : m_files(files), m_prompter(prompter), m_history(settings::ListFile::Files, store, files, prompter) {}

std::optional<std::string> InsertFilename::browse() {
    ports::FileDialogRequest request;
    request.filter = texts::INSERT_FILENAME_FILTER;
    const auto chosen = m_prompter.openFiles(request);
    if (chosen.empty()) return std::nullopt;
    auto path = text::fromUtf8(chosen.front()).bytes;
    m_history.add(path);
    return path;
}

InsertPath::InsertPath(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter)
    : m_files(files), m_prompter(prompter), m_history(settings::ListFile::Paths, store, files, prompter) {}

std::string InsertPath::browse(std::string_view comboText) {
    std::string result(comboText);
    if (const auto chosen = m_prompter.chooseFolder(std::string(texts::INSERT_PATH_TITLE), m_lastDirectory)) {
        m_lastDirectory = *chosen;
        result = text::fromUtf8(m_files.shortPath(*chosen)).bytes;
    }
    m_history.add(result);
    return result;
}

void InsertPath::insertStandardDirectory(std::size_t index, ports::EditorView& editor) {
    if (index < texts::STANDARD_DIRECTORIES.size())
        editor.replaceSelection(std::string(texts::STANDARD_DIRECTORIES[index].notation));
}

std::optional<std::string> insertBatchFileCall(ports::Prompter& prompter, ports::EditorView& editor) {
    ports::FileDialogRequest request;
    request.filter = texts::INSERT_BATCH_FILTER;
    request.filterIndex = texts::INSERT_BATCH_FILTER_SHOWN;
    request.initialFolder = texts::INSERT_BATCH_FOLDER;
    const auto chosen = prompter.openFiles(request);
    if (chosen.empty()) return std::nullopt;
    editor.appendLine("CALL \"" + chosen.front() + "\"");
    return chosen.front();
}

} // namespace core::aids
