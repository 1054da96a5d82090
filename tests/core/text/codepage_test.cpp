#include "core/text/codepage.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using namespace core::text;

// Every byte against the system's iconv, and its round trip: encoding_test; an
// unmappable character named with its line when a document is saved: document_files_test.

TEST(Codepage, InvalidUtf8IsUnmappable) {
    EXPECT_FALSE(fromUtf8("\xC3").ok);
    EXPECT_FALSE(fromUtf8("\xFF\xFE").ok);
}

TEST(Codepage, UpperCaseFollowsWindows1252) {
    const auto cases = testing_support::readCases(TEXT_TEST_DATA "/upper_case.txt", {});
    EXPECT_EQ(cases.size(), 4u);
    for (const auto& c : cases) EXPECT_EQ(toUpper(c.name), c[""].at(0)) << c.where;
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
