#include "core/text/codepage.h"

#include <gtest/gtest.h>

using namespace core::text;

TEST(Codepage, EveryByteRoundTripsThroughUnicodeAndUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
        EXPECT_EQ(byteOf(unicodeOf(static_cast<unsigned char>(b))), static_cast<unsigned char>(b)) << b;
    }
    const auto conversion = fromUtf8(toUtf8(all));
    EXPECT_TRUE(conversion.ok);
    EXPECT_EQ(conversion.bytes, all);
}

TEST(Codepage, KnownCharacters) {
    EXPECT_EQ(toUtf8("\x80"), "\xE2\x82\xAC");   // €
    EXPECT_EQ(toUtf8("\xA7"), "\xC2\xA7");       // §
    EXPECT_EQ(toUtf8("\x81"), "\xC2\x81");       // undefined byte -> C1 control
    EXPECT_EQ(unicodeOf(0x9F), U'\u0178');       // Ÿ
}

TEST(Codepage, UnmappableCharacterIsReportedWithItsLine) {
    const auto conversion = fromUtf8("ECHO ok\nECHO \xE2\x98\x83 snow");   // U+2603 snowman
    EXPECT_FALSE(conversion.ok);
    EXPECT_EQ(conversion.firstBad, U'\u2603');
    EXPECT_EQ(conversion.firstBadLine, 2u);
    EXPECT_EQ(conversion.bytes, "ECHO ok\nECHO  snow");
}

TEST(Codepage, InvalidUtf8IsUnmappable) {
    EXPECT_FALSE(fromUtf8("\xC3").ok);
    EXPECT_FALSE(fromUtf8("\xFF\xFE").ok);
}

TEST(Codepage, UpperCaseFollowsWindows1252) {
    struct Case { std::string in, out; } cases[] = {
        {"copy a.txt", "COPY A.TXT"},
        {"\xE9t\xE9", "\xC9T\xC9"},       // été
        {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"}, // š œ ž ÿ
        {"\xF7\xDF", "\xF7\xDF"},         // ÷ and ß have no upper case
        {"1+2=[3]", "1+2=[3]"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUpper(c.in), c.out) << c.in;
}

TEST(Codepage, CaseInsensitiveComparisonAndSearch) {
    EXPECT_TRUE(equalsIgnoreCase("Goto Done", "GOTO DONE"));
    EXPECT_TRUE(equalsIgnoreCase("\xE9", "\xC9"));
    EXPECT_FALSE(equalsIgnoreCase("abc", "abcd"));
    EXPECT_EQ(findIgnoreCase("if exist notes.txt", "NOTES"), 10u);
    EXPECT_EQ(findIgnoreCase("abcabc", "ABC", 2), 4u);
    EXPECT_EQ(findIgnoreCase("abc", "x"), 0u);
    EXPECT_EQ(findIgnoreCase("ab", "abc"), 0u);
}
