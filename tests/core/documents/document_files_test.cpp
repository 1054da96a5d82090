// Reading and writing documents: line breaks, odd files, and what happens
// when a file cannot be read or written or the text cannot be saved.
#include "document_set_fixture.h"

using namespace documents_test;
using core::documents::CloseResult;
using core::ports::Answer;

TEST_F(DocumentSetTest, BinaryFileSavesBackByteForByteApartFromLineBreaks) {
    std::string bytes;
    std::string expected;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            bytes += c;
            expected += c == '\n' || c == '\r' ? std::string("\r\n") : std::string(1, c);
        }
    }
    const auto path = file("blob.bin", bytes);
    ASSERT_TRUE(set.openFile(path));
    set.newFile();
    set.openFile(path); // back from the parked store
    EXPECT_TRUE(set.save());
    EXPECT_EQ(dir.read("blob.bin"), expected + "\r\n");
}

TEST_F(DocumentSetTest, LargeFileSurvivesParkingAndCostsAboutItsSize) {
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += "ECHO line " + std::to_string(i) + "\r\n";
    const auto path = file("big.bat", bytes);
    ASSERT_TRUE(set.openFile(path));
    EXPECT_EQ(editor.lineCount(), 200000u);
    EXPECT_EQ(editor.line(199999), "ECHO line 199999");
    set.newFile();
    EXPECT_LE(set.parkedDocuments().bytes(), 2 * bytes.size());
    set.selectTab(1);
    EXPECT_EQ(editor.lineCount(), 200000u);
    EXPECT_TRUE(set.save());
    EXPECT_EQ(dir.read("big.bat"), bytes);
}

// The message and the tabs after every kind of unreadable file are checked by the read faults.
TEST_F(DocumentSetTest, UnreadableFileChangesNothing) {
    std::vector<core::documents::DocumentEvent> events;
    set.setListener([&](auto e) { events.push_back(e); });
    EXPECT_FALSE(set.openFile(dir.file("missing.bat")));
    EXPECT_EQ(prompter.shown.at(0).kind, core::ports::MessageKind::Error);
    EXPECT_EQ(set.listOpenDocuments(), Lines({"Untitled.bat"}));
    EXPECT_EQ(set.parkedDocuments().size(), 0u);
    EXPECT_TRUE(store.values().empty()); // the recent files were not touched
    EXPECT_TRUE(events.empty());
}

TEST_F(DocumentSetTest, StartingWithAFileMakesItTheOnlyDocument) {
    const auto path = file("job.bat", "PAUSE\r\n");
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.loadRecentFiles();
    documents.start({path});
    EXPECT_EQ(documents.tabCaptions(), Lines({"job.bat"}));
    EXPECT_EQ(documents.listOpenDocuments(), Lines({path}));
    EXPECT_EQ(documents.recentFiles().caption(0), "&1. " + path);
}

// At exit a save that does not happen stops the exit: FailedSaveShowsTheErrorAndKeepsTheDocument.
TEST_F(DocumentSetTest, CancelledSaveOnCloseKeepsTheDocument) {
    type("REM keep me\r\n");
    prompter.answers = {Answer::Yes};
    prompter.saveAnswers = {std::nullopt};
    EXPECT_EQ(set.closeFile(), CloseResult::Abandoned);
    EXPECT_EQ(tabs(), "[Untitled.bat*]");
    EXPECT_EQ(editor.lines(), Lines({"REM keep me", "@ECHO OFF", ":START"}));
}

TEST_F(DocumentSetTest, FailedSaveShowsTheErrorAndKeepsTheDocument) {
    const auto path = open("gone/job.bat", "PAUSE\r\n");
    std::filesystem::remove_all(dir.path() / "gone");
    open("other.bat");
    set.selectTab(1);
    type("REM ");
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(set.closeAll());
    EXPECT_EQ(prompter.texts(), Lines({"Would you like to save job.bat?",
                                       "Cannot create file \"" + path + "\". No such file or directory"}));
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat*] other.bat");
    EXPECT_EQ(editor.lines(), Lines({"REM PAUSE"}));
    EXPECT_TRUE(editor.modified());
}

TEST_F(DocumentSetTest, TextTheEncodingCannotHoldIsWrittenOnlyAsUtf8WhenTheUserSaysSo) {
    const auto path = open("job.bat", "PAUSE\r\n");
    editor.setCaret(5);
    type("\r\nECHO \xE2\x82\xAC and \xE2\x98\x83");
    const std::string expected =
        "Line 2 holds the character \"\xE2\x98\x83\" (U+2603), which Windows-1252 cannot hold.\n\nSave the file "
        "as UTF-8 instead? (No: nothing is written; replace or remove the character, or choose another encoding.)";
    prompter.answers = {Answer::No, Answer::No};
    EXPECT_FALSE(set.save());
    EXPECT_FALSE(set.saveAs());
    EXPECT_EQ(prompter.texts(), Lines({expected, expected}));
    EXPECT_TRUE(prompter.fileRequests.empty());
    EXPECT_EQ(dir.read("job.bat"), "PAUSE\r\n");
    EXPECT_EQ(tabs(), "Untitled.bat [job.bat*]");
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(set.save());
    EXPECT_EQ(set.currentEncoding(), core::text::Encoding::Utf8);
    EXPECT_EQ(dir.read("job.bat"), "PAUSE\r\nECHO \xE2\x82\xAC and \xE2\x98\x83\r\n");
    EXPECT_EQ(set.currentFilePath(), path);
}
