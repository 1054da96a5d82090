#pragma once
// Faults a file operation meets on a real disk, made without special
// privileges: a full disk (a file-size limit, in a child process so the test
// runner keeps its own), a read-only file, a read-only folder holding one
// (acting as "nobody" when the tests run as root, since root writes anywhere),
// a folder that vanished, a folder path that runs through a regular file, and
// a target that is a directory.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace faults_test {

namespace fs = std::filesystem;

enum class Fault { FullDisk, ReadOnlyFile, ReadOnlyFolder, VanishedFolder, FolderIsAFile, TargetIsADirectory };

struct FaultCase {
    Fault fault;
    const char* name;
    const char* error;      //!< the system's text for it
    bool targetSurvives;    //!< the old file is still there to be kept intact
};

inline constexpr FaultCase WRITE_FAULTS[] = {
    {Fault::FullDisk, "full disk", "File too large", true},
    {Fault::ReadOnlyFile, "read-only file", "Permission denied", true},
    {Fault::ReadOnlyFolder, "read-only folder and file", "Permission denied", true},
    {Fault::VanishedFolder, "vanished folder", "No such file or directory", false},
    {Fault::FolderIsAFile, "folder path through a file", "Not a directory", false},
    {Fault::TargetIsADirectory, "target is a directory", "Is a directory", false},
};

constexpr uid_t NOBODY = 65534;

//! Root ignores permissions: while this lives, a root process acts as "nobody"
//! for file access (and can switch back). Does nothing for other users.
class ActAsNobody {
public:
    ActAsNobody() : m_switched(geteuid() == 0 && seteuid(NOBODY) == 0) {}
    ~ActAsNobody() {
        if (m_switched && seteuid(0) != 0) std::abort();
    }
    ActAsNobody(const ActAsNobody&) = delete;
    ActAsNobody& operator=(const ActAsNobody&) = delete;
    //! False when permissions cannot be made to count (root that may not switch).
    bool permissionsCount() const { return m_switched || geteuid() != 0; }

private:
    bool m_switched;
};

//! What a path holds, in words: its bytes, "(a directory)" or "(nothing)".
inline std::string describe(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return "(a directory)";
    if (!fs::exists(path, ec)) return "(nothing)";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

//! Temporary files left in a folder by a failed write.
inline int temporaryFilesIn(const fs::path& folder) {
    std::error_code ec;
    int count = 0;
    if (!fs::is_directory(folder, ec)) return 0;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename().string().find(".tmp") != std::string::npos) ++count;
    return count;
}

//! Puts the fault in place for a write of target inside folder, runs attempt,
//! takes the fault away again, and returns attempt's result. The file-size
//! limit only holds for the process that sets it, so a full disk runs attempt
//! and everything after it in a child; run() then gives the child's text.
class FaultInjector {
public:
    FaultInjector(Fault fault, fs::path folder, fs::path target)
        : m_fault(fault), m_folder(std::move(folder)), m_target(std::move(target)) {}

    //! False when the fault cannot be made on this machine: a read-only folder
    //! for root that may not act as another user.
    bool possible() const {
        if (m_fault != Fault::ReadOnlyFolder) return true;
        const ActAsNobody probe;
        return probe.permissionsCount();
    }

    //! Runs the whole scenario: in a child process for a full disk.
    std::string run(const std::function<std::string(FaultInjector&)>& scenario) {
        return m_fault == Fault::FullDisk ? inChild(scenario) : scenario(*this);
    }

    //! Runs attempt with the fault in place, then takes the fault away.
    template <typename Attempt> auto underFault(Attempt attempt) {
        std::error_code ec;
        switch (m_fault) {
        case Fault::FullDisk: {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit full{1, limit.rlim_max};
            setrlimit(RLIMIT_FSIZE, &full);
            auto result = attempt();
            setrlimit(RLIMIT_FSIZE, &limit);
            return result;
        }
        case Fault::ReadOnlyFile: {
            fs::permissions(m_target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
            auto result = attempt();
            fs::permissions(m_target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                          fs::perms::others_read);
            return result;
        }
        case Fault::ReadOnlyFolder: {
            // A writable file in a read-only folder is written in place: the file is read-only too.
            fs::permissions(m_target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
            fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
            auto result = [&] {
                ActAsNobody nobody;
                return attempt();
            }();
            fs::permissions(m_folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
            fs::permissions(m_target, fs::perms::owner_write, fs::perm_options::add);
            return result;
        }
        case Fault::VanishedFolder: {
            fs::remove_all(m_folder, ec);
            auto result = attempt();
            fs::create_directory(m_folder, ec);
            return result;
        }
        case Fault::FolderIsAFile: {
            fs::remove_all(m_folder, ec);
            std::fclose(std::fopen(m_folder.c_str(), "wb"));
            auto result = attempt();
            fs::remove(m_folder, ec);
            fs::create_directory(m_folder, ec);
            return result;
        }
        case Fault::TargetIsADirectory:
            break;
        }
        fs::remove(m_target, ec);
        fs::create_directories(m_target / "inside", ec);
        auto result = attempt();
        fs::remove_all(m_target, ec);
        return result;
    }

private:
    std::string inChild(const std::function<std::string(FaultInjector&)>& scenario) {
        int channel[2];
        if (pipe(channel) != 0) return "(no pipe)";
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            // As a program starts: a write past the limit ends it unless the writer says otherwise.
            std::signal(SIGXFSZ, SIG_DFL);
            const auto text = scenario(*this);
            const bool sent = write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
            _exit(sent ? 0 : 1);
        }
        close(channel[1]);
        std::string text;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(channel[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
        close(channel[0]);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "(the child process failed)";
    }

    Fault m_fault;
    fs::path m_folder;
    fs::path m_target;
};

} // namespace faults_test
