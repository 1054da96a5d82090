// Reading and writing files with POSIX calls; Windows builds use file_io_windows.cpp.
#include "core/text/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace core::text {
namespace {

std::string errnoText(int err) { return std::generic_category().message(err); }

std::string temporarySibling(const fs::path& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    const auto stem = target.filename().string();
    return (target.parent_path() / ("." + stem + ".tmp" + std::to_string(generator() % 1000000))).string();
}

WriteResult failed(std::string error) { return {false, std::move(error)}; }


class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    //! Closes now, reporting a failure (the last chance a network file system has to report one).
    int close() { return ::close(std::exchange(m_fd, -1)); }

private:
    int m_fd;
};

std::string lastError() { return errnoText(errno ? errno : EIO); }

// Writes all of bytes from the start of the file, cuts the file there and syncs it.
std::string writeWhole(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto wrote = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return lastError();
        done += static_cast<std::size_t>(wrote);
    }
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) return lastError();
    return {};
}

std::string readAll(int fd, std::string& bytes) {
    char buffer[1 << 16];
    for (;;) {
        const auto got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return lastError();
        if (got == 0) return {};
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

// The file a path means: symbolic links followed, a relative one from its own folder.
// A link to nothing names the file it would create.
fs::path realTarget(fs::path path, std::error_code& ec) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
        const auto next = fs::read_symlink(path, ec);
        if (ec) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

// Whether the user may write the file: the system's own check, and for the
// superuser (whom that check always lets through) at least one write bit.
bool mayWrite(const std::string& path, const struct stat& info) {
    if (::access(path.c_str(), W_OK) != 0) return false;
    return ::geteuid() != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Rewrites the file itself, holding its old contents until the new ones are synced.
WriteResult writeInPlace(const std::string& path, std::string_view bytes) {
    errno = 0;
    Descriptor file(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) return failed(lastError());
    if (!S_ISREG(info.st_mode)) return failed(std::string(NOT_A_REGULAR_FILE)); // swapped since it was looked at
    std::string old;
    if (auto error = readAll(file.get(), old); !error.empty()) return failed(error);
    // Room for the new contents first, so a full disk changes nothing.
    if (bytes.size() > old.size()) {
        const int err = ::posix_fallocate(file.get(), 0, static_cast<off_t>(bytes.size()));
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL && err != ENOSYS) {
            writeWhole(file.get(), old); // undoes any growth
            return failed(errnoText(err));
        }
    }
    if (auto error = writeWhole(file.get(), bytes); !error.empty()) {
        writeWhole(file.get(), old);
        return failed(error);
    }
    if (file.close() != 0) return failed(lastError());
    return {true, {}};
}

enum class Replaced { Done, Failed, NoTemporary };

// Writes a temporary sibling with the target's permissions and owner and renames it over the target.
Replaced replace(const std::string& target, const struct stat* old, std::string_view bytes, WriteResult& result) {
    const std::string temp = temporarySibling(target);
    errno = 0;
    Descriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, old ? 0600 : 0666));
    if (file.get() < 0) {
        result = failed(lastError());
        return Replaced::NoTemporary;
    }
    const auto undo = [&](Replaced how, std::string error) {
        ::unlink(temp.c_str());
        result = failed(std::move(error));
        return how;
    };
    // An owner that cannot be kept (someone else's file in the user's folder) keeps the file as it is.
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(file.get(), old->st_uid, old->st_gid) != 0)
        return undo(Replaced::NoTemporary, errnoText(EPERM));
    if (old && ::fchmod(file.get(), old->st_mode & 07777) != 0) return undo(Replaced::Failed, lastError());
    if (auto error = writeWhole(file.get(), bytes); !error.empty()) return undo(Replaced::Failed, error);
    if (file.close() != 0) return undo(Replaced::Failed, lastError());
    if (::rename(temp.c_str(), target.c_str()) != 0) return undo(Replaced::Failed, lastError());
    result = {true, {}};
    return Replaced::Done;
}


} // namespace

ReadResult readFile(const std::string& path) {
    ReadResult result;
    // Opened without waiting (a FIFO would block until a writer came) and looked at before reading.
    errno = 0;
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        result.error = lastError();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode) ? errnoText(EISDIR) : std::string(NOT_A_REGULAR_FILE);
        return result;
    }
    if (auto error = readAll(file.get(), result.bytes); !error.empty()) {
        result.error = error;
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    ignoreFileSizeSignal();
    std::error_code ec;
    const auto target = realTarget(path, ec).string();
    if (ec) return failed(ec.message());
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) return failed(lastError());
        WriteResult result;
        replace(target, nullptr, bytes, result);
        return result;
    }
    if (S_ISDIR(info.st_mode)) return failed(errnoText(EISDIR));
    if (!S_ISREG(info.st_mode)) return failed(std::string(NOT_A_REGULAR_FILE));
    if (!mayWrite(target, info)) return failed(errnoText(EACCES));
    if (info.st_nlink > 1) return writeInPlace(target, bytes);
    WriteResult result;
    if (replace(target, &info, bytes, result) == Replaced::NoTemporary) return writeInPlace(target, bytes);
    return result;
}

WriteResult makeFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec || fs::is_directory(folder)) return {true, {}};
    return failed("Cannot create the folder \"" + folder + "\": " + ec.message());
}

void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace core::text
