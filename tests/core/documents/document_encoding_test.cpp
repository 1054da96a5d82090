// Each document keeps the encoding its file was found in (the round trip of
// every encoding is encoding_round_trip_test); the console note, and reopening
// or saving in another encoding.
#include "document_set_fixture.h"

using namespace documents_test;
using core::ports::Answer;
using core::text::Encoding;

TEST_F(DocumentSetTest, ConsoleNoteComesOncePerDocumentAndOffersOem850) {
    open("a.bat", "ECHO \xE9\r\n");
    prompter.answers = {Answer::No}; // No: save it as OEM 850
    EXPECT_TRUE(set.save());
    ASSERT_EQ(prompter.texts().size(), 1u);
    EXPECT_NE(prompter.texts()[0].find("\"\xC3\xA9\" print differently"), std::string::npos);
    EXPECT_EQ(dir.read("a.bat"), "ECHO \x82\r\n");
    EXPECT_EQ(set.currentEncoding(), Encoding::Oem850);
    open("b.bat", "ECHO \xE9\r\n");
    EXPECT_TRUE(set.save()); // Yes: keep Windows-1252
    EXPECT_TRUE(set.save()); // noted already
    EXPECT_EQ(prompter.texts().size(), 2u);
    EXPECT_EQ(dir.read("b.bat"), "ECHO \xE9\r\n");
}

TEST_F(DocumentSetTest, ReopenAndSaveWithAnotherEncoding) {
    open("x.bat", "ECHO \x82\r\n"); // OEM 850 "é", read as Windows-1252 "‚"
    set.reopenWithEncoding(Encoding::Oem850);
    EXPECT_EQ(editor.lines(), Lines{"ECHO \xC3\xA9"});
    type("\xD0\x9F"); // Cyrillic, which OEM 437 cannot hold; the offer of UTF-8 is declined
    prompter.answers = {Answer::No};
    EXPECT_FALSE(set.saveWithEncoding(Encoding::Oem437));
    EXPECT_EQ(set.currentEncoding(), Encoding::Oem850);
    EXPECT_TRUE(set.saveWithEncoding(Encoding::Utf8WithMark));
    EXPECT_EQ(dir.read("x.bat"), "\xEF\xBB\xBF" "\xD0\x9F" "ECHO \xC3\xA9\r\n");
}
