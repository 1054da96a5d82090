#include "platform/windows/windows_paths.h"

#include <windows.h>

#include <shellapi.h>

namespace platform::windows {
namespace {

std::wstring wide(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

std::string utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

std::string systemShortPath(const std::string& utf8Path) {
    const auto longPath = wide(utf8Path);
    std::wstring shortName(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(longPath.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length > shortName.size()) {
        shortName.resize(length);
        length = GetShortPathNameW(longPath.c_str(), shortName.data(), length);
    }
    if (length == 0 || length > shortName.size()) return utf8Path;
    shortName.resize(length);
    return utf8(shortName);
}

std::vector<std::string> utf8Arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments != nullptr && i < count; ++i) result.push_back(utf8(arguments[i]));
    LocalFree(arguments);
    return result;
}

} // namespace platform::windows
