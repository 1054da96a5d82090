#pragma once
// The FileSystem port on the real disk through the standard library: the file
// system of `qlt`, and of tests that work in a temporary folder.
#include "core/ports/file_system.h"

#include <string>

namespace core::aids {

class DiskFileSystem : public ports::FileSystem {
public:
    //! Both folders default to the current folder (qlt ships no content of its own).
    explicit DiskFileSystem(std::string dataFolder = {}, std::string programFolder = {});

    text::ReadResult readFile(const std::string& path) override;
    text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override;
    bool exists(const std::string& path) override;
    //! An existing path as it is (this system keeps no 8.3 names); any other
    //! path gets its conventional 8.3 alias.
    std::string shortPath(const std::string& path) override;
    std::string programFolder() override;
    std::string dataFolder() override;

private:
    std::string m_data;
    std::string m_program;
};

} // namespace core::aids
