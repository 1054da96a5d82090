#pragma once
// A DiskFileSystem that also knows some Windows paths as existing, with the
// short forms a Windows machine would give them.
#include "core/aids/disk_file_system.h"

#include <map>
#include <string>

namespace testing_support {

using core::aids::DiskFileSystem;

class MappedFileSystem : public DiskFileSystem {
public:
    using DiskFileSystem::DiskFileSystem;

    //! Existing Windows paths (UTF-8) and their system short forms.
    std::map<std::string, std::string> shortForms;

    bool exists(const std::string& path) override { return shortForms.count(path) > 0 || DiskFileSystem::exists(path); }
    std::string shortPath(const std::string& path) override {
        const auto known = shortForms.find(path);
        return known != shortForms.end() ? known->second : DiskFileSystem::shortPath(path);
    }
};

} // namespace testing_support
