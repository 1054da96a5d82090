#include "core/aids/relative_path.h"

#include "core/aids/path_parts.h"
#include "core/text/codepage.h"

namespace core::aids {
namespace {

// Where the file name starts: after the last separator, or after the colon of
// "C:NAME" when there is none.
std::size_t fileNameStart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isSeparator(path[i - 1])) return i;
    return drivePrefixLength(path) == 2 ? 2 : 0;
}

} // namespace

std::string relativePath(std::string_view baseDirectory, std::string_view path) {
    const auto nameStart = fileNameStart(path);
    const auto directory = path.substr(0, nameStart);
    const auto baseDrive = baseDirectory.substr(0, drivePrefixLength(baseDirectory));
    const auto drive = directory.substr(0, drivePrefixLength(directory));
    if (!text::equalsIgnoreCase(baseDrive, drive)) return std::string(path);

    const auto baseNames = namesOf(baseDirectory.substr(baseDrive.size()));
    const auto names = namesOf(directory.substr(drive.size()));
    std::size_t common = 0;
    while (common < baseNames.size() && common < names.size() &&
           text::equalsIgnoreCase(baseNames[common], names[common]))
        ++common;

    std::string out;
    for (std::size_t i = common; i < baseNames.size(); ++i) out += "..\\";
    for (std::size_t i = common; i < names.size(); ++i) out += std::string(names[i]) + "\\";
    return out + std::string(path.substr(nameStart));
}

} // namespace core::aids
