// The list files beside the settings; odd contents and unreadable files of
// every list are part of the read faults.
#include "core/settings/list_files.h"

#include "core/settings/memory_settings_store.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::settings;

namespace {
struct ListFiles : ::testing::Test {
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files{dir.folder()};
    MemorySettingsStore store;
};
} // namespace

TEST_F(ListFiles, SaveWritesCrLfLinesAndSetsTheFlag) {
    for (auto list : {ListFile::Ignore, ListFile::Custom, ListFile::Files, ListFile::Paths, ListFile::Services}) {
        SCOPED_TRACE(std::string(fileName(list)));
        EXPECT_TRUE(loadList(store, files, list).empty());
        ASSERT_TRUE(saveList(store, files, list, {"ONE", "", "THREE"}).ok);
        EXPECT_EQ(dir.read(fileName(list)), "ONE\r\n\r\nTHREE\r\n");
        EXPECT_EQ(store.readInteger("Templates", definition(flagOf(list)).name, 0), 1);
        EXPECT_EQ(loadList(store, files, list), (std::vector<std::string>{"ONE", "", "THREE"}));
    }
}

TEST_F(ListFiles, FlagWithoutAFileGivesAnEmptyList) {
    store.writeInteger("Templates", "Ignore", 1);
    store.writeBool("Templates", "Custom", true);
    EXPECT_TRUE(loadList(store, files, ListFile::Ignore).empty());
    std::filesystem::create_directory(dir.file("Custom.qlt"));   // unreadable: a folder
    EXPECT_TRUE(loadList(store, files, ListFile::Custom).empty());
}

TEST_F(ListFiles, FailedIgnoreWriteResetsItsFlagAndKeepsOthersFlags) {
    core::aids::DiskFileSystem vanished(dir.folder() + "vanished/");
    store.writeInteger("Templates", "Ignore", 1);
    store.writeBool("Templates", "Paths", true);
    auto ignore = saveList(store, vanished, ListFile::Ignore, {"FOO"});
    EXPECT_FALSE(ignore.ok);
    EXPECT_EQ(ignore.error, "No such file or directory");
    EXPECT_EQ(store.readInteger("Templates", "Ignore", -1), 0);
    EXPECT_FALSE(saveList(store, vanished, ListFile::Paths, {"C:\\"}).ok);
    EXPECT_TRUE(store.readBool("Templates", "Paths", false));
}
