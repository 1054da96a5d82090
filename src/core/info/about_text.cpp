#include "core/info/about_text.h"

#include "core/version.h"

namespace core::info {
namespace {

constexpr const char* DESCRIPTION = "Editor, syntax checker and wizard for DOS and Windows batch files";
constexpr const char* COPYRIGHT = "Copyright \u00A9 Marrowfen Software. All rights reserved.";
constexpr const char* COMMENTS = "Thank you for using Quillet. Press F1 in any window for help.";
constexpr const char* NO_INFORMATION = "No version information available.";
constexpr const char* NO_INFORMATION_CAPTION = "About";

void addLine(std::vector<std::string>& lines, const char* label, const std::string& value) {
    if (!value.empty()) lines.push_back(label + value);
}

} // namespace

VersionRecord programVersionRecord() {
    return {PRODUCT_NAME, PRODUCT_VERSION, COMPANY_NAME, DESCRIPTION, PRODUCT_VERSION, COPYRIGHT, COMMENTS};
}

AboutText aboutText(const std::optional<VersionRecord>& record) {
    if (!record) return {NO_INFORMATION_CAPTION, {NO_INFORMATION}};
    AboutText about{record->productName, {}};
    addLine(about.lines, "Product Version:   ", record->productVersion);
    addLine(about.lines, "By:   ", record->companyName);
    addLine(about.lines, "", record->fileDescription);
    addLine(about.lines, "File Version:   ", record->fileVersion);
    addLine(about.lines, "Copyright:   ", record->legalCopyright);
    addLine(about.lines, "", record->comments);
    return about;
}

} // namespace core::info
