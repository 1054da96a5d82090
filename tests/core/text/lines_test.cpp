#include "core/text/lines.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using namespace core::text;
using Lines = std::vector<std::string>;

TEST(Lines, SplitAcceptsEveryLineBreak) {
    const auto cases = testing_support::readCases(TEXT_TEST_DATA "/line_breaks.txt", {});
    EXPECT_EQ(cases.size(), 11u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto& in = c.name;
        const auto& out = c[""];
        EXPECT_EQ(splitLines(in), out);
        const auto views = splitLineViews(in);
        EXPECT_EQ(Lines(views.begin(), views.end()), out);
        ASSERT_EQ(countLines(in), out.size());
        std::vector<std::string_view> into(out.size() + 1, "unwritten");
        splitLineViewsInto(in, into.data());
        EXPECT_EQ(Lines(into.begin(), into.end() - 1), out);
        EXPECT_EQ(into.back(), "unwritten");
    }
    // Counted in byte-wide counters that are added up every 255 steps of sixteen bytes.
    std::string many;
    for (int i = 0; i < 1000; ++i) many += "line\r\n";
    EXPECT_EQ(countLines(many), 1000u);
}

TEST(Lines, OffsetsCountLineBreaksAsTwo) {
    const Lines lines = {"abc", "", "de"};
    EXPECT_EQ(offsetOfLine(lines, 0), 0u);
    EXPECT_EQ(offsetOfLine(lines, 1), 5u);
    EXPECT_EQ(offsetOfLine(lines, 2), 7u);
    EXPECT_EQ(offsetOfLine(lines, 3), 11u);
}

TEST(Lines, TrimSpaces) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
}
