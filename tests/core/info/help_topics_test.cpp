#include "core/info/help_library.h"
#include "core/info/help_topics.h"

#include "core/aids/disk_file_system.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using core::info::HelpIndex;
using core::info::HelpLibrary;
using core::info::HelpTarget;
using core::info::plainText;

// The index files of help_indexes.txt, in order; the last line of each ends with LF too.
std::vector<testing_support::DataCase> indexFiles() {
    auto cases = testing_support::readCases(INFO_TEST_DATA "/help_indexes.txt", {"problems"});
    EXPECT_EQ(cases.size(), 2u);
    return cases;
}

TEST(HelpIndex, ReadsBooksTopicsAndContextNumbers) {
    const auto file = indexFiles().at(0);
    SCOPED_TRACE(file.where);
    const auto index = HelpIndex::parse(testing_support::joined(file[""], "\n") + "\n");
    EXPECT_EQ(index.books(), (std::vector<std::string>{"Getting started", "The wizard"}));
    ASSERT_EQ(index.topics().size(), 3u);
    const auto& topic = index.topics()[1];
    EXPECT_EQ(std::tie(topic.page, topic.title, topic.book), std::tuple("update.html", "Updating a batch file", 1u));
    EXPECT_EQ(index.contexts(), (std::vector<int>{992, 3000, 3001, 3004}));
    EXPECT_EQ(index.target(3001), (HelpTarget{"update.html", "list"}));
    EXPECT_EQ(index.target(992), (HelpTarget{"start.html", ""}));
    EXPECT_EQ(index.target(3002), std::nullopt);
    EXPECT_EQ(index.topicOf("editing.html"), 2u);
    EXPECT_EQ(index.topicOf("missing.html"), std::nullopt);
}

TEST(HelpIndex, LeavesOutLinesItCannotReadAndSaysWhy) {
    const auto file = indexFiles().at(1);
    SCOPED_TRACE(file.where);
    std::vector<std::string> problems;
    const auto index = HelpIndex::parse(testing_support::joined(file[""], "\n") + "\n", &problems);
    EXPECT_EQ(problems, file["problems"]);
    ASSERT_EQ(index.topics().size(), 1u);
    EXPECT_EQ(index.contexts(), (std::vector<int>{10}));
}

TEST(HelpText, PlainTextIsWhatAReaderSees) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/plain_texts.txt", {});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) EXPECT_EQ(plainText(c.name), c[""].at(0)) << c.where;
}

class HelpSearch : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "help");
        dir.write("help/index.txt", "= Book\n"
                                    "copy.html | Copying files | 3250\n"
                                    "checker.html | The syntax checker | 1\n"
                                    "run.html | Running a batch file | 2\n");
        dir.write("help/copy.html", "<p>COPY takes a source and a destination.</p>");
        dir.write("help/checker.html", "<p>The checker explains every COPY line.<!-- xyzzy --></p>");
        dir.write("help/run.html", "<h1>Run</h1><p>F9 runs the <i>batch</i> file; the checker is not needed.</p>");
    }
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files{dir.folder()};

    std::vector<std::size_t> find(std::string_view query) { return HelpLibrary(files, dir.folder()).search(query); }
};

TEST_F(HelpSearch, FindsTopicsHoldingEveryWordTitlesFirst) {
    EXPECT_EQ(find("destination"), (std::vector<std::size_t>{0}));  // on one page only
    EXPECT_EQ(find("DESTINATION"), (std::vector<std::size_t>{0}));  // letter case ignored
    EXPECT_EQ(find("copy"), (std::vector<std::size_t>{0, 1}));      // title match first, then contents order
    EXPECT_EQ(find("checker"), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(find("checker  f9"), (std::vector<std::size_t>{2})); // every word must be there
    EXPECT_EQ(find("xyzzy"), (std::vector<std::size_t>{}));         // comments are not text
    EXPECT_EQ(find("   "), (std::vector<std::size_t>{}));
}

} // namespace
