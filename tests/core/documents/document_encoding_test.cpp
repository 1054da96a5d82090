// Each document keeps the encoding its file was found in: Open decodes, Save
// encodes, and the user may reopen or save in another encoding.
#include "document_set_fixture.h"

#include "core/settings/settings_table.h"

using namespace documents_test;
using core::ports::Answer;
using core::text::Encoding;

TEST_F(DocumentSetTest, OpenDetectsTheEncodingAndSaveKeepsEveryByte) {
    const struct { const char* name; std::string bytes; Encoding encoding; std::string line; } rows[] = {
        {"utf8.bat", "ECHO Gr\xC3\xB6\xC3\x9F" "e \xD0\x9F\r\n", Encoding::Utf8, "ECHO Gr\xC3\xB6\xC3\x9F" "e \xD0\x9F"},
        {"mark.bat", "\xEF\xBB\xBF" "ECHO \xC3\xA9\r\n", Encoding::Utf8WithMark, "ECHO \xC3\xA9"},
        {"ansi.bat", "ECHO \xE9\x80\r\n", Encoding::Windows1252, "ECHO \xC3\xA9\xE2\x82\xAC"},
        {"oem.bat", "CHCP 850\r\nECHO \x82\r\n", Encoding::Oem850, "ECHO \xC3\xA9"},
    };
    core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        open(row.name, row.bytes);
        EXPECT_EQ(set.currentEncoding(), row.encoding);
        EXPECT_EQ(editor.lines().back(), row.line);
        EXPECT_TRUE(set.save());
        EXPECT_EQ(dir.read(row.name), row.bytes);
    }
    EXPECT_TRUE(prompter.texts().empty());
}

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
    core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
    open("c.bat", "ECHO \xE9\r\n");
    EXPECT_TRUE(set.save());
    EXPECT_EQ(prompter.texts().size(), 2u);
}

TEST_F(DocumentSetTest, ReopenAndSaveWithAnotherEncoding) {
    open("x.bat", "ECHO \x82\r\n"); // OEM 850 "é", read as Windows-1252 "‚"
    EXPECT_EQ(editor.lines(), Lines{"ECHO \xE2\x80\x9A"});
    type("!");
    prompter.answers = {Answer::No};
    set.reopenWithEncoding(Encoding::Oem850); // declined: the edit stays
    EXPECT_EQ(set.currentEncoding(), Encoding::Windows1252);
    set.reopenWithEncoding(Encoding::Oem850);
    EXPECT_EQ(editor.lines(), Lines{"ECHO \xC3\xA9"});
    EXPECT_EQ(tabs(), "Untitled.bat [x.bat]");
    EXPECT_TRUE(set.saveWithEncoding(Encoding::Utf8WithMark));
    EXPECT_EQ(dir.read("x.bat"), "\xEF\xBB\xBF" "ECHO \xC3\xA9\r\n");
    type("\xD0\x9F"); // Cyrillic, which OEM 437 cannot hold; the offer of UTF-8 is declined
    prompter.answers = {Answer::No};
    EXPECT_FALSE(set.saveWithEncoding(Encoding::Oem437));
    EXPECT_EQ(set.currentEncoding(), Encoding::Utf8WithMark);
    set.newFile();
    core::settings::writeText(store, core::settings::Setting::DefaultEncoding, "utf-8");
    set.newFile();
    EXPECT_EQ(set.currentEncoding(), Encoding::Utf8);
}
