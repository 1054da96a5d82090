// Documents that stay whole behind their tabs, and the files open at exit that
// come back at the next start.
#include "document_set_fixture.h"

using namespace documents_test;

TEST_F(DocumentSetTest, BackAtTheSavedTextAfterATabSwitchTheMarkGoes) {
    set.setKeeper(&editor);
    open("A.BAT");
    type("X");
    set.newFile();
    set.selectTab(1);
    EXPECT_EQ(tabs(), "Untitled.bat [A.BAT*] Untitled1.bat");
    EXPECT_EQ(editor.lines(), Lines({"X@ECHO OFF"}));
    set.savePointReached(); // the user undid the X
    EXPECT_EQ(tabs(), "Untitled.bat [A.BAT] Untitled1.bat");
}

TEST_F(DocumentSetTest, EachOpenDocumentHasItsOwnNumber) {
    const auto first = set.currentDocumentId();
    open("A.BAT");
    const auto second = set.currentDocumentId();
    EXPECT_NE(first, second);
    set.selectTab(0);
    EXPECT_EQ(set.currentDocumentId(), first);
    set.closeFile();
    EXPECT_EQ(set.currentDocumentId(), second);
    EXPECT_EQ(set.openDocumentIds(), std::vector<std::size_t>{second});
}

TEST_F(DocumentSetTest, TheSessionListsTheFilesInTabOrderWithoutUntitledOnes) {
    const auto a = open("A.BAT");
    const auto b = open("B.BAT");
    set.newFile();
    set.selectTab(1);
    EXPECT_EQ(set.session(), (core::settings::Session{{a, b}, 0}));
    set.selectTab(2);
    EXPECT_EQ(set.session().front, 1u);
}

class RestoredSession : public DocumentSetTest {
protected:
    void SetUp() override { set.loadRecentFiles(); }
};

TEST_F(RestoredSession, FilesThatStillExistComeBackWithTheFrontOneInFront) {
    const auto a = file("A.BAT", "REM A\r\n");
    const auto b = file("B.BAT", "REM B\r\n");
    const auto gone = dir.path().string() + "/GONE.BAT";
    EXPECT_TRUE(set.restoreSession({{a, gone, b}, 2}));
    EXPECT_EQ(tabs(), "A.BAT [B.BAT]");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(set.recentFiles().visible(0)) << "restoring opens nothing new";
}

TEST_F(RestoredSession, NothingToRestoreLeavesTheStartToTheCaller) {
    EXPECT_FALSE(set.restoreSession({{dir.path().string() + "/GONE.BAT"}, 0}));
    EXPECT_FALSE(set.restoreSession({}));
    EXPECT_TRUE(set.tabCaptions().empty());
}
