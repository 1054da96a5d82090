// Reading and writing whole files; every write under every disk fault is
// part of the write faults.
#include "core/text/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

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

// Only regular files are read; a FIFO without a writer or an endless device must not hang or fill memory.
TEST(FileIo, ReadingAnythingButARegularFileFailsAtOnce) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {dir.folder(), "Is a directory"},
        {dir.file("pipe"), "Is not a regular file"},
        {"/dev/zero", "Is not a regular file"},
    };
    for (const auto& [path, error] : cases) {
        const auto read = readFile(path);
        EXPECT_FALSE(read.ok) << path;
        EXPECT_EQ(read.error, error) << path;
    }
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
