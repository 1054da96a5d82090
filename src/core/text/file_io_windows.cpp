// Whole-file reading and atomic writing on Windows: the build takes this file
// instead of file_io.cpp. Paths arrive as UTF-8 and go to the wide-character
// calls, so every name the file system can hold is reachable; replacing uses
// ReplaceFileW, which keeps the target's attributes, security and creation time.
#include "core/text/file_io.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace core::text {
namespace {

std::string errnoText(int err) { return std::generic_category().message(err); }

// The system's text for an error code, without the closing period and line break.
std::string systemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty()) return "error " + std::to_string(code);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The words POSIX systems use for the common failures, so that a message reads
// the same on every system; the system's own text for the rest.
std::string errorText(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return errnoText(ENOENT);
    case ERROR_ACCESS_DENIED: return errnoText(EACCES);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return errnoText(EEXIST);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return errnoText(ENOSPC);
    case ERROR_WRITE_PROTECT: return errnoText(EROFS);
    default: return systemText(code);
    }
}

std::wstring wide(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

// The full form of a path: ReplaceFileW refuses a bare file name under Wine.
std::wstring fullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

std::wstring temporarySibling(const std::wstring& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    const auto cut = target.find_last_of(L"\\/:");
    const auto folder = cut == std::wstring::npos ? std::wstring() : target.substr(0, cut + 1);
    const auto name = cut == std::wstring::npos ? target : target.substr(cut + 1);
    return folder + L"." + name + L".tmp" + std::to_wstring(generator() % 1000000);
}

// Writes bytes to a new file and flushes them to the disk; returns an empty
// text on success, the system's reason otherwise.
std::string writeNewFile(const std::wstring& path, std::string_view bytes) {
    HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return errorText(GetLastError());
    std::unique_ptr<void, HandleCloser> file(raw);
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(raw, bytes.data(), chunk, &written, nullptr)) return errorText(GetLastError());
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(raw)) return errorText(GetLastError());
    if (!CloseHandle(file.release())) return errorText(GetLastError());
    return {};
}

// Puts the finished temporary file in the target's place.
std::string moveIntoPlace(const std::wstring& temp, const std::wstring& target, bool targetExists) {
    if (targetExists &&
        ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return {};
    if (targetExists && GetLastError() != ERROR_FILE_NOT_FOUND) return errorText(GetLastError());
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    return errorText(GetLastError());
}

} // namespace

ReadResult readFile(const std::string& path) {
    ReadResult result;
    const auto name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = errnoText(EISDIR);
        return result;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(_wfopen(name.c_str(), L"rb"));
    if (!file) {
        result.error = errnoText(errno ? errno : ENOENT);
        return result;
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) result.bytes.append(buffer, got);
    if (std::ferror(file.get())) {
        result.error = errnoText(errno ? errno : EIO);
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    WriteResult result;
    const auto target = fullPath(wide(path));
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = errnoText(EISDIR);
        return result;
    }
    // A read-only file is the user's "do not change this": the rename would not ask.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        result.error = errorText(ERROR_ACCESS_DENIED);
        return result;
    }
    const auto temp = temporarySibling(target);
    auto error = writeNewFile(temp, bytes);
    if (error.empty()) error = moveIntoPlace(temp, target, exists);
    if (!error.empty()) {
        DeleteFileW(temp.c_str());
        result.error = error;
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult makeFolder(const std::string& folder) {
    std::error_code ec;
    const std::filesystem::path path(std::u8string(folder.begin(), folder.end()));
    std::filesystem::create_directories(path, ec);
    if (!ec || std::filesystem::is_directory(path)) return {true, {}};
    return {false, "Cannot create the folder \"" + folder + "\": " + ec.message()};
}

// Windows has no file-size signal: a write past a limit fails with an error.
void ignoreFileSizeSignal() {}

} // namespace core::text
