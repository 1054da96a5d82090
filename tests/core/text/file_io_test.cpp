// Reading and writing whole files; every write under every disk fault is
// part of the write faults.
#include "core/text/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace core::text;
using testing_support::TempDir;
namespace fs = std::filesystem;

TEST(FileIo, ReadingAFolderFailsWithTheSystemsText) {
    TempDir dir;
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
