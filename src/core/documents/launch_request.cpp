#include "core/documents/launch_request.h"

namespace core::documents {

std::vector<std::string> filesFromCommandLine(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    for (const auto& argument : arguments)
        if (argument != "/newfile") files.push_back(argument);
    return files;
}

std::optional<std::string> parseOpenRequest(std::string_view request) {
    constexpr std::string_view START = "[open(\"";
    constexpr std::string_view END = "\")]";
    const auto firstLine = request.substr(0, request.find_first_of("\r\n"));
    if (!firstLine.starts_with(START)) return std::nullopt;
    const auto rest = firstLine.substr(START.size());
    const auto end = rest.find(END);
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    return std::string(rest.substr(0, end));
}

} // namespace core::documents
