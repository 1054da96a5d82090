// Files beyond what the editor can hold, and files another program changes or
// deletes while they are open; the save questions at exit.
#include "document_set_fixture.h"

#include "core/documents/file_stamps.h"
#include "core/documents/open_limits.h"
#include "support/case_file.h"

#include <fstream>
#include <new>

using namespace documents_test;
using core::documents::OutsideChange;
using core::ports::Answer;
using core::ports::Buttons;

namespace {

// Appends as another program would.
void appendOutside(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

// A disk whose memory runs out whenever a file is read.
class StarvedFileSystem : public core::aids::DiskFileSystem {
public:
    using DiskFileSystem::DiskFileSystem;
    core::text::ReadResult readFile(const std::string&) override { throw std::bad_alloc(); }
};

} // namespace

TEST(OpenLimits, SizesAreSaidInTheLargestUnitRoundedUp) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/size_texts.txt", {});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(core::documents::sizeText(std::stoull(c.name)), c[""].at(0));
    }
}

TEST_F(DocumentSetTest, AFilePastTheLimitIsRefusedBeforeReading) {
    type("REM unsaved");
    const auto path = file("huge.bat", "");
    std::filesystem::resize_file(path, core::documents::MAX_OPEN_BYTES + 1); // sparse: costs no disk
    EXPECT_FALSE(set.openFile(path));
    ASSERT_EQ(prompter.texts().size(), 1u);
    const std::string start = "Cannot open file \"" + path + "\". It is 64.1 MB, and Quillet opens files of up to 64 MB";
    EXPECT_EQ(prompter.texts()[0].substr(0, start.size()), start);
    EXPECT_EQ(tabs(), "[Untitled.bat*]");
    EXPECT_EQ(editor.lines(), Lines({"REM unsaved@ECHO OFF", ":START"}));
}

TEST_F(DocumentSetTest, RunningOutOfMemoryWhileReadingLosesNothing) {
    StarvedFileSystem starved{dir.folder()};
    core::documents::DocumentSet documents(editor, prompter, starved, store, lists);
    documents.loadRecentFiles();
    const auto a = file("a.bat", "PAUSE\r\n"), b = file("b.bat", "PAUSE\r\n");
    documents.start({a});
    EXPECT_EQ(tabsOf(documents), "[Untitled.bat]");
    documents.insertAtCaret("REM unsaved");
    EXPECT_FALSE(documents.openFile(b));
    EXPECT_EQ(prompter.texts(), Lines({"Cannot open file \"" + a + "\". There is not enough memory to hold it.",
                                       "Cannot open file \"" + b + "\". There is not enough memory to hold it."}));
    EXPECT_EQ(tabsOf(documents), "[Untitled.bat*]");
    EXPECT_EQ(editor.lines(), Lines({"REM unsaved@ECHO OFF", ":START"}));
}

TEST(FileStamps, EachOutsideChangeIsNoticedAndToldOnce) {
    core::documents::FileStamps stamps;
    const core::ports::FileStamp read{10, 100}, grown{12, 100}, touched{10, 200};
    EXPECT_EQ(stamps.changeOf("a", read), OutsideChange::None); // never read: nothing to compare
    EXPECT_FALSE(stamps.firstNotice("a", read));
    stamps.remember("a", read);
    EXPECT_EQ(stamps.changeOf("a", read), OutsideChange::None);
    EXPECT_EQ(stamps.changeOf("a", grown), OutsideChange::Changed);
    EXPECT_EQ(stamps.changeOf("a", touched), OutsideChange::Changed);
    EXPECT_EQ(stamps.changeOf("a", std::nullopt), OutsideChange::Deleted);

    EXPECT_TRUE(stamps.firstNotice("a", grown));
    EXPECT_FALSE(stamps.firstNotice("a", grown));
    EXPECT_TRUE(stamps.firstNotice("a", std::nullopt));
    EXPECT_FALSE(stamps.firstNotice("a", std::nullopt));
    EXPECT_TRUE(stamps.firstNotice("a", touched));
    stamps.remember("a", touched); // saved: a later change is new again
    EXPECT_TRUE(stamps.firstNotice("a", grown));
    stamps.remember("a", std::nullopt); // no stamp to be had: no checks
    EXPECT_EQ(stamps.changeOf("a", grown), OutsideChange::None);
}

TEST_F(DocumentSetTest, SaveAsksBeforeOverwritingWhatAnotherProgramWrote) {
    const auto path = open("a.bat", "ECHO 1\r\n");
    appendOutside(path, "ECHO 2\r\n");
    type("REM ");
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(set.save());
    EXPECT_EQ(prompter.shown.at(0).buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dir.read("a.bat"), "ECHO 1\r\nECHO 2\r\n");
    EXPECT_EQ(tabs(), "Untitled.bat [a.bat*]");

    prompter.answers = {Answer::No}; // overwrite
    EXPECT_TRUE(set.save());
    EXPECT_EQ(dir.read("a.bat"), "REM ECHO 1\r\n");
    EXPECT_TRUE(set.save()); // what the window wrote itself asks nothing
    EXPECT_EQ(prompter.texts().size(), 2u);

    appendOutside(path, "ECHO 3\r\n");
    type("REM ");
    prompter.answers = {Answer::Yes}; // reload
    EXPECT_FALSE(set.save());
    EXPECT_EQ(editor.lines(), Lines({"REM ECHO 1", "ECHO 3"}));
    EXPECT_EQ(tabs(), "Untitled.bat [a.bat]");
    EXPECT_EQ(dir.read("a.bat"), "REM ECHO 1\r\nECHO 3\r\n");
    EXPECT_EQ(prompter.texts().back(),
              "a.bat was changed by another program since it was opened or last saved.\n\nReload it? (Yes: read the "
              "file again; the changes made here are lost. No: overwrite it with this version. Cancel: save nothing.)");
}

TEST_F(DocumentSetTest, ComingBackToTheWindowTellsEachOutsideChangeOnce) {
    const auto path = open("a.bat", "ECHO 1\r\n");
    set.checkOutsideChange();
    EXPECT_TRUE(prompter.shown.empty());

    appendOutside(path, "ECHO 2\r\n");
    prompter.answers = {Answer::No};
    set.checkOutsideChange();
    set.checkOutsideChange();
    EXPECT_EQ(prompter.texts(), Lines({"a.bat was changed by another program.\n\nReload it?"}));
    EXPECT_EQ(editor.lines(), Lines({"ECHO 1"}));

    type("REM ");
    appendOutside(path, "ECHO 3\r\n");
    set.checkOutsideChange(); // Yes: reload
    EXPECT_EQ(prompter.texts().back(), "a.bat was changed by another program.\n\nReload it? (The changes made here are lost.)");
    EXPECT_EQ(editor.lines(), Lines({"ECHO 1", "ECHO 2", "ECHO 3"}));
    EXPECT_EQ(tabs(), "Untitled.bat [a.bat]");

    std::filesystem::remove(path);
    set.checkOutsideChange();
    set.checkOutsideChange();
    EXPECT_EQ(prompter.texts().back(), "a.bat was deleted or moved by another program. It stays open here; Save writes it again.");
    EXPECT_EQ(prompter.texts().size(), 3u);
    EXPECT_TRUE(set.save()); // written again without a question
    EXPECT_EQ(prompter.texts().size(), 3u);
    EXPECT_EQ(dir.read("a.bat"), "ECHO 1\r\nECHO 2\r\nECHO 3\r\n");
}

TEST_F(DocumentSetTest, CancelledExitLeavesEveryDocumentOpen) {
    type("REM 1");
    open("a.bat");
    open("b.bat");
    type("REM 2");
    open("c.bat");
    prompter.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(set.closeAll());
    EXPECT_EQ(prompter.texts(), Lines({"Would you like to save Untitled.bat?", "Would you like to save b.bat?"}));
    EXPECT_EQ(tabs(), "Untitled.bat* a.bat [b.bat*] c.bat");
    EXPECT_EQ(set.listOpenDocuments().size(), 4u);
    EXPECT_EQ(editor.lines(), Lines({"REM 2@ECHO OFF"}));

    prompter.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(set.closeAll());
    EXPECT_TRUE(set.listOpenDocuments().empty());
}

TEST_F(DocumentSetTest, CancelAtTheConsoleNoteSavesNothingAndAsksAgain) {
    open("a.bat", "ECHO \xE9\r\n");
    type("REM ");
    prompter.answers = {Answer::Cancel}; // also Escape and the close box
    EXPECT_FALSE(set.save());
    EXPECT_EQ(prompter.shown.at(0).buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dir.read("a.bat"), "ECHO \xE9\r\n");
    EXPECT_EQ(set.currentEncoding(), core::text::Encoding::Windows1252);
    EXPECT_EQ(tabs(), "Untitled.bat [a.bat*]");
    EXPECT_TRUE(set.save()); // asked again; Yes keeps Windows-1252
    EXPECT_EQ(prompter.texts().size(), 2u);
    EXPECT_EQ(dir.read("a.bat"), "REM ECHO \xE9\r\n");
}
