#include "core/settings/list_files.h"

#include "core/settings/memory_settings_store.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>


using namespace core::settings;
using testing_support::DiskFileSystem;
using testing_support::TempDir;

TEST(ListFiles, NamesAndFlags) {
    EXPECT_EQ(fileName(ListFile::Ignore), "Ignore.qlt");
    EXPECT_EQ(fileName(ListFile::Custom), "Custom.qlt");
    EXPECT_EQ(fileName(ListFile::Files), "Files.qlt");
    EXPECT_EQ(fileName(ListFile::Paths), "Paths.qlt");
    EXPECT_EQ(fileName(ListFile::Services), "Services.qlt");
    EXPECT_EQ(definition(flagOf(ListFile::Services)).name, "NetServices");
}

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

TEST(ListFiles, OddContentLoadsWithoutHarm) {
    TempDir dir;
    DiskFileSystem files(dir.folder());
    MemorySettingsStore store;
    store.writeBool("Templates", "Custom", true);
    dir.write("Custom.qlt", std::string("A\0B\r\n\xFF\xFE\r\n", 8) + std::string(200000, 'x'));
    auto odd = loadList(store, files, ListFile::Custom);
    ASSERT_EQ(odd.size(), 3u);
    EXPECT_EQ(odd[0], std::string("A\0B", 3));
    EXPECT_EQ(odd[2].size(), 200000u);

    std::string many;
    for (int i = 0; i < 1000000; ++i) many += "ENTRY\r\n";
    dir.write("Custom.qlt", many);
    EXPECT_EQ(loadList(store, files, ListFile::Custom).size(), 1000000u);
}
