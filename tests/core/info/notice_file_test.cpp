// Saving the update notice; a failed write is part of the write faults.
#include "core/info/notice_file.h"

#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

TEST(NoticeFile, SavesTheLinesAsUpdateinfoTxtInWindows1252WhenTheyFit) {
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files(dir.folder());
    testing_support::ScriptedPrompter prompter;
    struct Case { std::vector<std::string> lines; std::string bytes; } cases[] = {
        {{"Quillet 2.3 \xC2\xA9", "", "caf\xC3\xA9"}, "Quillet 2.3 \xA9\r\n\r\ncaf\xE9\r\n"}, // Windows-1252
        {{"arrow \xE2\x86\x92 here"}, "arrow \xE2\x86\x92 here\r\n"},                          // kept as UTF-8
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::info::saveNotice(files, prompter, c.lines), dir.file("Updateinfo.txt"));
        EXPECT_EQ(dir.read("Updateinfo.txt"), c.bytes);
    }
    EXPECT_TRUE(prompter.shown.empty());
}
