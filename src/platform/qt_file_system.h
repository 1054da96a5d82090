#pragma once
// Files on the local disk; the data folder is the per-user application data
// folder, the program folder the executable's.
#include "core/ports/file_system.h"

#include <QString>

namespace platform {

class QtFileSystem : public core::ports::FileSystem {
public:
    core::text::ReadResult readFile(const std::string& path) override;
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override;
    bool exists(const std::string& path) override;
    std::string shortPath(const std::string& path) override;
    std::string programFolder() override;
    //! Created on first use; ends in a separator.
    std::string dataFolder() override;
};

//! The folder that holds the shipped content (help, Examples) for a program
//! in `executableFolder`: that folder itself when the content is beside the
//! executable (the build tree, Windows), else "../share/quillet" when the
//! content is there (an installed Linux tree), else the executable's folder.
QString shippedContentFolder(const QString& executableFolder);

} // namespace platform
