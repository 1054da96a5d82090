#pragma once
// The Browse buttons' dialogs, through the Prompter port: the shared file-open
// dialog, the folder browser, and the directory dialog that remembers the last
// folder chosen with any of its buttons. Core builds the requests and keeps
// the memory; this class shows the dialogs and fills the fields. Paths arrive
// as UTF-8 and are handed to the fields as QString; short forms go through
// core's conversion.
#include "core/documents/browse_file_dialog.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/wizard/wizard_pages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;

namespace app::wizard {

//! What a Browse button puts into its field: the path as chosen, or its short (8.3) form.
enum class PathForm { Long, Short };

class Browser {
public:
    //! The file dialog's memory is the window's; the directory dialog's lives
    //! with the pages, so "Reset Choices" makes it start at its default again.
    Browser(core::ports::Prompter& prompter, core::ports::FileSystem& files, core::documents::BrowseFileDialog& fileDialog,
            core::wizard::BrowseMemory& memory);

    //! The shared file-open dialog; empty when cancelled.
    QStringList openFiles(bool multiSelect = true);
    //! A folder browser with a caption, starting at the top every time.
    std::optional<QString> browseFolder(const QString& caption);
    //! The directory dialog of the destination fields.
    std::optional<QString> chooseDirectory();
    //! The short (8.3) form of a path as a field shows it.
    QString shortForm(const QString& path);

    // A Browse button and the field it fills; cancelling leaves the field alone.
    //! The shared file-open dialog; the memo's lines become the chosen files.
    void filesInto(QAbstractButton* button, QPlainTextEdit* memo);
    //! The shared file-open dialog; the field becomes the (first) chosen file.
    void fileInto(QAbstractButton* button, QLineEdit* field, PathForm form = PathForm::Long, bool multiSelect = true);
    //! A folder browser with a caption.
    void folderInto(QAbstractButton* button, QLineEdit* field, const char* caption, PathForm form);
    //! The directory dialog with memory.
    void directoryInto(QAbstractButton* button, QLineEdit* field, PathForm form);
    //! The memo's lines become the chosen files, or, when `folderMode` says
    //! so, its text the short form of a folder chosen in a browser.
    void filesOrFolderInto(QAbstractButton* button, QPlainTextEdit* memo, const std::function<bool()>& folderMode,
                           const char* caption);

private:
    void replaceWithFiles(QPlainTextEdit* memo);

    core::ports::Prompter& m_prompter;
    core::ports::FileSystem& m_files;
    core::documents::BrowseFileDialog& m_fileDialog;
    core::wizard::BrowseMemory& m_memory;
};

} // namespace app::wizard
