#include "core/text/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace core::text {
namespace {

std::string errnoText(int err) { return std::generic_category().message(err); }

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

std::string temporarySibling(const fs::path& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    const auto stem = target.filename().string();
    return (target.parent_path() / ("." + stem + ".tmp" + std::to_string(generator() % 1000000))).string();
}

// Writes bytes to a new file; returns an empty text on success, the error otherwise.
std::string writeNewFile(const std::string& path, std::string_view bytes) {
    errno = 0;
    std::FILE* raw = std::fopen(path.c_str(), "wbx");
    if (!raw) return errnoText(errno ? errno : EIO);
    std::unique_ptr<std::FILE, FileCloser> file(raw);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), raw) != bytes.size())
        return errnoText(errno ? errno : EIO);
    if (std::fflush(raw) != 0) return errnoText(errno ? errno : EIO);
    if (std::fclose(file.release()) != 0) return errnoText(errno ? errno : EIO);
    return {};
}

} // namespace

ReadResult readFile(const std::string& path) {
    ReadResult result;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        result.error = errnoText(EISDIR);
        return result;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
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
    std::error_code ec;
    const fs::path target(path);
    if (fs::is_directory(target, ec)) {
        result.error = errnoText(EISDIR);
        return result;
    }
    const std::string temp = temporarySibling(target);
    if (auto error = writeNewFile(temp, bytes); !error.empty()) {
        fs::remove(temp, ec);
        result.error = error;
        return result;
    }
    const auto status = fs::status(target, ec);
    if (!ec && fs::exists(status)) fs::permissions(temp, status.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        result.error = ec.message();
        fs::remove(temp, ec);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace core::text
