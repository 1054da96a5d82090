#include "core/info/notice_file.h"

#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::info::saveNotice;

TEST(NoticeFile, SavesTheLinesAsUpdateinfoTxt) {
    testing_support::TempDir dir;
    testing_support::DiskFileSystem files(dir.folder());
    testing_support::ScriptedPrompter prompter;
    struct Case { std::vector<std::string> lines; std::string bytes; } cases[] = {
        {{"Quillet 2.3 \xC2\xA9", "", "caf\xC3\xA9"}, "Quillet 2.3 \xA9\r\n\r\ncaf\xE9\r\n"}, // Windows-1252
        {{"arrow \xE2\x86\x92 here"}, "arrow \xE2\x86\x92 here\r\n"},                          // kept as UTF-8
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saveNotice(files, prompter, c.lines), dir.file("Updateinfo.txt"));
        EXPECT_EQ(dir.read("Updateinfo.txt"), c.bytes);
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(NoticeFile, FailedWriteIsShownAsAnError) {
    testing_support::TempDir dir;
    testing_support::DiskFileSystem files(dir.folder() + "missing/");
    testing_support::ScriptedPrompter prompter;
    EXPECT_EQ(saveNotice(files, prompter, {"x"}), std::nullopt);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, core::ports::MessageKind::Error);
    EXPECT_TRUE(prompter.shown[0].text.starts_with("Could not write " + dir.folder() + "missing/Updateinfo.txt:\n"));
}
