#pragma once
// The file-open dialog of the wizard's Browse buttons (and the Insert Batch
// File Call dialog's file): the request it opens with, where it starts, and
// the file whose folder is kept for the next session. Paths are UTF-8.
#include "core/ports/prompter.h"

#include <string>

namespace core::documents {

class BrowseFileDialog {
public:
    //! Where the first dialog starts: the folder kept from the last session.
    void setStartFolder(std::string folder) { m_folder = std::move(folder); }
    //! Programs / text files / all files, "All Files" selected, starting in
    //! the folder of the last file chosen with it.
    ports::FileDialogRequest request(bool multiSelect) const;
    //! A file chosen in it: the next dialog starts in its folder, and its
    //! folder is kept at exit.
    void chosen(const std::string& path);
    //! A file chosen in the Insert Batch File Call dialog: its folder is kept
    //! at exit, the Browse buttons still start where they did.
    void keepFolderOf(std::string path) { m_fileName = std::move(path); }
    //! The file whose folder is kept at exit (empty when none was chosen).
    const std::string& fileName() const { return m_fileName; }

private:
    std::string m_folder = "/";
    std::string m_fileName;
};

} // namespace core::documents
