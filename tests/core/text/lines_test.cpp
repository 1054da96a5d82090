#include "core/text/lines.h"

#include <gtest/gtest.h>

using namespace core::text;
using Lines = std::vector<std::string>;

TEST(Lines, SplitAcceptsEveryLineBreak) {
    struct Case { std::string in; Lines out; } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
        {"a\rb\r", {"a", "b"}},
        // Breaks on both sides of the sixteen bytes looked at in one step.
        {std::string(15, 'a') + "\r\nb", {std::string(15, 'a'), "b"}},
        {std::string(16, 'a') + "\n\r" + std::string(16, 'b') + "\r", {std::string(16, 'a'), "", std::string(16, 'b')}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitLines(c.in), c.out) << c.in;
        const auto views = splitLineViews(c.in);
        EXPECT_EQ(Lines(views.begin(), views.end()), c.out) << c.in;
        ASSERT_EQ(countLines(c.in), c.out.size()) << c.in;
        std::vector<std::string_view> into(c.out.size() + 1, "unwritten");
        splitLineViewsInto(c.in, into.data());
        EXPECT_EQ(Lines(into.begin(), into.end() - 1), c.out) << c.in;
        EXPECT_EQ(into.back(), "unwritten") << c.in;
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
