#include "core/documents/browse_file_dialog.h"

#include "core/settings/startup_state.h"

namespace core::documents {
namespace {

constexpr const char* FILTER =
    "Programs|*.exe;*.bat|Text Files|*.bat;*.txt;*.htm;*.html;*.rtf;*.qlt;*.abw;*.log;*.eml|All Files|*.*";
constexpr std::size_t ALL_FILES_FILTER = 2;

} // namespace

ports::FileDialogRequest BrowseFileDialog::request(bool multiSelect) const {
    ports::FileDialogRequest request;
    request.filter = FILTER;
    request.filterIndex = ALL_FILES_FILTER;
    request.initialFolder = m_folder;
    request.multiSelect = multiSelect;
    return request;
}

void BrowseFileDialog::chosen(const std::string& path) {
    if (auto folder = settings::folderOf(path); !folder.empty()) m_folder = std::move(folder);
    m_fileName = path;
}

} // namespace core::documents
