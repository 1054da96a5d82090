// How `qlt check` reads a file: mapped or read whole, then split into lines
// on several threads with the index of labels and jumps made beside them.
#include "cli/check/file_bytes.h"
#include "cli/check/file_lines.h"
#include "core/text/lines.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// About 1.5 MB: several stretches, whose cuts fall after line feeds of every
// kind of line break.
std::string largeText() {
    std::string text = "goto first\r\n";
    const char* breaks[] = {"\r\n", "\n", "\r", "\n\r"};
    for (std::size_t i = 0; text.size() < 1'500'000; ++i) text += "echo line " + std::to_string(i) + breaks[i % 4];
    return text + ":second\r\nsetlocal EnableDelayedExpansion";
}

TEST(FileReading, LinesSplitInPartsMatchTheWholeAndSoDoesTheIndex) {
    const std::string text = largeText();
    const auto whole = core::text::splitLineViews(text);
    for (const std::size_t workers : {1, 2, 3}) {
        const cli::FileLines lines(text, workers, true);
        ASSERT_EQ(lines.view().size(), whole.size()) << workers;
        EXPECT_TRUE(std::equal(whole.begin(), whole.end(), lines.view().begin())) << workers;
        const auto& index = lines.index();
        EXPECT_TRUE(index.jumpTargets.contains("FIRST"));
        EXPECT_TRUE(index.labels.contains("SECOND"));
        EXPECT_TRUE(index.delayedEverEnabled);
        EXPECT_FALSE(index.labels.contains("FIRST"));
    }
}

TEST(FileReading, LargeAndSmallFilesReadTheSameAndFailuresSaySo) {
    testing_support::TempDir dir;
    for (const std::string& text : {std::string("echo small\r\n"), largeText()}) {
        const cli::FileBytes bytes(dir.write("file.bat", text));
        ASSERT_TRUE(bytes.ok());
        EXPECT_EQ(bytes.bytes(), text);
    }
    const cli::FileBytes folder(dir.path().string());
    EXPECT_FALSE(folder.ok());
    EXPECT_FALSE(folder.error().empty());
}

#ifndef _WIN32
// A mapped file shortened by another program while it is checked: the check
// ends with a message naming the file and status 2, not a crash.
TEST(FileReadingDeathTest, AFileShortenedWhileMappedEndsTheCheckWithAMessage) {
    testing_support::TempDir dir;
    const std::string path = dir.write("shrinking.bat", largeText());
    EXPECT_EXIT(
        {
            const cli::FileBytes bytes(path);
            std::filesystem::resize_file(path, 0);
            std::size_t sum = 0;
            for (const char c : bytes.bytes()) sum += static_cast<unsigned char>(c);
            std::exit(sum == 0 ? 3 : 4);
        },
        testing::ExitedWithCode(2), "shrinking.bat: the file was shortened while it was being checked");
}
#endif

} // namespace
