#include "core/text/checker_lines.h"
#include "core/text/encoding.h"
#include "support/case_file.h"

#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::text;

namespace {

// The code points the system's iconv gives for the bytes, read as UTF-32BE.
std::vector<char32_t> iconvCodePoints(const std::string& bytes, const char* charset) {
    const testing_support::TempDir dir;
    const auto out = testing_support::runCommand(std::string("iconv -f ") + charset + " -t UTF-32BE " +
                                                 testing_support::shellQuote(dir.write("in", bytes))).out;
    std::vector<char32_t> points;
    for (std::size_t i = 0; i + 4 <= out.size(); i += 4) {
        char32_t point = 0;
        for (std::size_t k = 0; k < 4; ++k) point = point << 8 | static_cast<unsigned char>(out[i + k]);
        points.push_back(point);
    }
    return points;
}

} // namespace

TEST(Encoding, SingleByteTablesMatchSystemIconvAndRoundTripEveryByte) {
    const struct { Encoding encoding; const char* charset; } tables[] = {
        {Encoding::Windows1252, "CP1252"}, {Encoding::Oem437, "CP437"}, {Encoding::Oem850, "CP850"}};
    for (const auto& table : tables) {
        SCOPED_TRACE(table.charset);
        std::string all;
        for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
        // Windows-1252 leaves five bytes undefined; Quillet keeps them as C1 controls.
        std::string defined;
        for (char c : all)
            if (table.encoding != Encoding::Windows1252 || std::string_view("\x81\x8D\x8F\x90\x9D").find(c) == std::string_view::npos)
                defined += c;
        const auto expected = iconvCodePoints(defined, table.charset);
        ASSERT_EQ(expected.size(), defined.size());
        for (std::size_t i = 0; i < defined.size(); ++i)
            EXPECT_EQ(codePointOf(static_cast<unsigned char>(defined[i]), table.encoding), expected[i]) << i;
        const auto back = encode(decode(all, table.encoding), table.encoding);
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.bytes, all);
    }
}

TEST(Encoding, DetectionRows) {
    const auto cases = testing_support::readCases(TEXT_TEST_DATA "/detected_encodings.txt", {});
    EXPECT_EQ(cases.size(), 15u);
    for (const auto& c : cases) {
        const auto keys = testing_support::wordsOf(c[""].at(0));
        EXPECT_EQ(encodingKey(detectEncoding(c.name, encodingOfKey(keys.at(0)).value())), keys.at(1)) << c.where;
    }
}

TEST(CheckerLines, OneBytePerCharacterAndColumnsBack) {
    const std::string line = "ECHO \xC3\xA9\xD0\x9F \xE2\x82\xAC!"; // "ECHO éП €!"
    EXPECT_EQ(oneBytePerCharacter(line), "ECHO \xE9? \x80!");
    EXPECT_EQ(byteOffsetOfColumn(line, 6), 7u); // П starts after the two bytes of é
    EXPECT_EQ(columnOfByteOffset(line, line.size()), 10u);
}

TEST(CheckerLines, FindingsQuoteTheLinesOwnCharacters) {
    const auto cases = testing_support::readCases(TEXT_TEST_DATA "/own_characters.txt", {"line", "from", "text", "shown"});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) {
        const auto& line = c["line"].at(0);
        EXPECT_EQ(withOwnCharacters(c["text"].at(0), oneBytePerCharacter(line), line, std::stoul(c["from"].at(0))),
                  c["shown"].at(0))
            << c.where;
    }
}

TEST(CheckerLines, AQuoteIsCutAtItsLimit) {
    EXPECT_EQ(quoteOf("caf\xE9"), "caf\xC3\xA9");
    const std::string huge(1 << 20, '\0');
    EXPECT_EQ(quoteOf(huge), std::string(QUOTE_LIMIT, '\0') + "\xE2\x80\xA6");
}
