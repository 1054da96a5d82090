// The list files beside the settings; odd contents and unreadable files of
// every list are part of the read faults.
#include "core/settings/list_files.h"

#include "core/settings/memory_settings_store.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::settings;
using core::aids::DiskFileSystem;
using testing_support::TempDir;

TEST(ListFiles, SaveWritesCrLfLinesAndSetsTheFlag) {
    TempDir dir;
    DiskFileSystem files(dir.folder());
    MemorySettingsStore store;
    for (auto list : {ListFile::Ignore, ListFile::Custom, ListFile::Files, ListFile::Paths, ListFile::Services}) {
        SCOPED_TRACE(std::string(fileName(list)));
        EXPECT_TRUE(loadList(store, files, list).empty());
        ASSERT_TRUE(saveList(store, files, list, {"ONE", "", "THREE"}).ok);
        EXPECT_EQ(dir.read(fileName(list)), "ONE\r\n\r\nTHREE\r\n");
        EXPECT_EQ(store.readInteger("Templates", definition(flagOf(list)).name, 0), 1);
        EXPECT_EQ(loadList(store, files, list), (std::vector<std::string>{"ONE", "", "THREE"}));
    }
}

TEST(ListFiles, FileIsReadOnlyWhenTheFlagSaysSo) {
    TempDir dir;
    DiskFileSystem files(dir.folder());
    MemorySettingsStore store;
    dir.write("Files.qlt", "C:\\A.TXT\nC:\\B.TXT\rC:\\C.TXT\r\n");
    EXPECT_TRUE(loadList(store, files, ListFile::Files).empty());
    store.writeBool("Templates", "Files", true);
    EXPECT_EQ(loadList(store, files, ListFile::Files), (std::vector<std::string>{"C:\\A.TXT", "C:\\B.TXT", "C:\\C.TXT"}));
}

TEST(ListFiles, FlagWithoutAFileGivesAnEmptyList) {
    TempDir dir;
    DiskFileSystem files(dir.folder());
    MemorySettingsStore store;
    store.writeInteger("Templates", "Ignore", 1);
    store.writeBool("Templates", "Custom", true);
    EXPECT_TRUE(loadList(store, files, ListFile::Ignore).empty());
    std::filesystem::create_directory(dir.file("Custom.qlt"));   // unreadable: a folder
    EXPECT_TRUE(loadList(store, files, ListFile::Custom).empty());
}

TEST(ListFiles, FailedIgnoreWriteResetsItsFlagAndKeepsOthersFlags) {
    TempDir dir;
    DiskFileSystem files(dir.folder() + "vanished/");
    MemorySettingsStore store;
    store.writeInteger("Templates", "Ignore", 1);
    store.writeBool("Templates", "Paths", true);
    auto ignore = saveList(store, files, ListFile::Ignore, {"FOO"});
    EXPECT_FALSE(ignore.ok);
    EXPECT_EQ(ignore.error, "No such file or directory");
    EXPECT_EQ(store.readInteger("Templates", "Ignore", -1), 0);
    EXPECT_FALSE(saveList(store, files, ListFile::Paths, {"C:\\"}).ok);
    EXPECT_TRUE(store.readBool("Templates", "Paths", false));
}
