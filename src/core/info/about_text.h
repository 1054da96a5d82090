#pragma once
// The About box's caption and version lines, made from the program's
// version information.
#include <optional>
#include <string>
#include <vector>

namespace core::info {

//! The program's own version information, field by field.
struct VersionRecord {
    std::string productName;
    std::string productVersion;
    std::string companyName;
    std::string fileDescription;
    std::string fileVersion;
    std::string legalCopyright;
    std::string comments;
};

struct AboutText {
    std::string caption;
    std::vector<std::string> lines;
    bool operator==(const AboutText&) const = default;
};

//! The version information this build carries: the product name, version and
//! company from the build's single version definition, and the texts below.
VersionRecord programVersionRecord();

//! The caption is the product name; then one line per value that is not
//! empty, labels followed by three blanks. Without a record: "About" and
//! "No version information available.".
AboutText aboutText(const std::optional<VersionRecord>& record);

} // namespace core::info
