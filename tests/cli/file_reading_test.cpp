// How `qlt check` reads a file: mapped or read whole, then split into lines
// on several threads with the index of labels and jumps made beside them.
#include "cli/check/file_bytes.h"
#include "cli/check/file_lines.h"
#include "core/text/lines.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
// A FIFO put where a large file was: the mapped read opens it without waiting
// for a writer, sees it is not a regular file, and leaves it to the reader,
// which refuses it.
TEST(FileReading, AFifoInPlaceOfALargeFileIsRefusedAtOnce) {
    testing_support::TempDir dir;
    const std::string path = dir.file("swapped.bat");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto mapped = std::async(std::launch::async, [&] {
        std::size_t size = 0;
        return cli::mapFile(path, std::size_t{1} << 20, size);
    });
    const bool waited = mapped.wait_for(std::chrono::seconds(5)) == std::future_status::timeout;
    if (waited) {
        // Let the blocked open through, so the test ends.
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    EXPECT_FALSE(waited) << "the mapped read waited for a writer";
    EXPECT_EQ(mapped.get(), nullptr);
    const cli::FileBytes bytes(path);
    EXPECT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error(), core::text::NOT_A_REGULAR_FILE);
}

// A mapped file shortened by another program while it is checked: the check
// ends with one message naming the file (control characters escaped, C1 as
// well as C0) and status 2, not a crash, even when several threads read the
// lost part at once.
TEST(FileReadingDeathTest, AFileShortenedWhileMappedEndsTheCheckWithOneMessage) {
    const struct {
        const char* name;
        const char* shown;
        int threads;
    } cases[] = {
        {"shrinking.bat", "shrinking.bat", 1},
        {"a\xC2\x9B" "2Jb.bat", "a\\\\u009b2Jb.bat", 1},
        {"shrinking.bat", "shrinking.bat", 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        const std::string path = dir.write(c.name, largeText());
        EXPECT_EXIT(
            {
                const cli::FileBytes bytes(path);
                std::filesystem::resize_file(path, 0);
                std::atomic<std::size_t> sum = 0;
                std::vector<std::jthread> readers;
                readers.reserve(static_cast<std::size_t>(c.threads));
                for (int t = 0; t < c.threads; ++t)
                    readers.emplace_back([&] {
                        for (const char byte : bytes.bytes().substr(1 << 20)) sum += static_cast<unsigned char>(byte);
                    });
                readers.clear();
                std::exit(sum == 0 ? 3 : 4);
            },
            testing::ExitedWithCode(2),
            testing::MatchesRegex(std::string("qlt: [^\n]*") + c.shown +
                                  ": the file was shortened while it was being checked; check it again\n"));
    }
}
#endif

} // namespace
