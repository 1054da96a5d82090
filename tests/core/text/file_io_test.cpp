#include "core/text/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace core::text;
using testing_support::TempDir;
namespace fs = std::filesystem;

TEST(FileIo, WritesAndReadsBytes) {
    TempDir dir;
    const std::string bytes("A\r\n\0\xFF\r\n", 6);
    const auto path = dir.file("a.bat");
    ASSERT_TRUE(writeFileAtomically(path, bytes).ok);
    const auto read = readFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(fs::directory_iterator(dir.path())->path().filename(), "a.bat"); // no temporary left
}

TEST(FileIo, ReadFailuresCarryTheSystemsText) {
    TempDir dir;
    auto missing = readFile(dir.file("none.bat"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "No such file or directory");
    auto directory = readFile(dir.folder());
    EXPECT_FALSE(directory.ok);
    EXPECT_EQ(directory.error, "Is a directory");
}

TEST(FileIo, ReplacingKeepsPermissions) {
    TempDir dir;
    const auto path = dir.write("run.bat", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
    ASSERT_TRUE(writeFileAtomically(path, "new").ok);
    EXPECT_EQ(dir.read("run.bat"), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
}

TEST(FileIo, FailedWritesLeaveTheOldFileIntact) {
    TempDir dir;
    {   // the target is a directory
        fs::create_directory(dir.file("sub"));
        auto result = writeFileAtomically(dir.file("sub"), "x");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, "Is a directory");
    }
    {   // the folder vanished
        auto result = writeFileAtomically(dir.file("gone/a.bat"), "x");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, "No such file or directory");
    }
    if (geteuid() != 0) {   // a read-only folder (root ignores permissions)
        const auto path = dir.write("keep.bat", "old");
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        auto result = writeFileAtomically(path, "new");
        fs::permissions(dir.path(), fs::perms::owner_all);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, "Permission denied");
        EXPECT_EQ(dir.read("keep.bat"), "old");
    }
}

// A full disk, without privileges: a child process whose file-size limit is
// smaller than what it writes.
TEST(FileIo, FullDiskLeavesTheOldFileIntact) {
    TempDir dir;
    const auto path = dir.write("big.bat", "old contents");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        auto result = writeFileAtomically(path, std::string(100000, 'x'));
        _exit(!result.ok && result.error == "File too large" ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dir.read("big.bat"), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}
