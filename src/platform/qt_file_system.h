#pragma once
// Files on the local disk; the data folder is the per-user application data
// folder, the program folder the executable's.
#include "core/ports/file_system.h"

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

} // namespace platform
