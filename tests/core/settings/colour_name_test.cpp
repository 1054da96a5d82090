#include "core/settings/colour_name.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace core::settings;

TEST(ColourName, ReadsIdentifiersAndHexForms) {
    struct Case { const char* text; ColourValue expected; } cases[] = {
        {"clblue", ColourValue::fixed(0xFF0000)},       // letter case ignored
        {"$000000FF", ColourValue::fixed(0x0000FF)},    // pure red: 00BBGGRR
        {"$00a0b0c0", ColourValue::fixed(0xA0B0C0)},
        {"clWindow", ColourValue::ofSystem(SystemColour::Window)},
    };
    for (const auto& c : cases) {
        const auto parsed = parseColourName(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
    const auto red = parseColourName("$000000FF");
    EXPECT_EQ(std::tuple(red->red(), red->green(), red->blue()), std::tuple(255, 0, 0));
}

TEST(ColourName, RejectsGarbage) {
    for (const char* text : {"", "$", "$FF", "$0000FF", "$0000000FF", "$0000GG00", "$FF0000FF", "red", "clNoSuch", "0"})
        EXPECT_FALSE(parseColourName(text).has_value()) << text;
}

TEST(ColourName, WritesTheIdentifierWhenThereIsOne) {
    EXPECT_EQ(colourName(colourFromRgb(255, 0, 0)), "clRed");
    EXPECT_EQ(colourName(colourFromRgb(1, 2, 3)), "$00030201");
    EXPECT_EQ(colourName(ColourValue::ofSystem(SystemColour::WindowText)), "clWindowText");
}

TEST(ColourName, EveryIdentifierRoundTrips) {
    std::set<std::string_view> names;
    for (const auto& named : colourIdentifiers()) {
        EXPECT_TRUE(names.insert(named.name).second) << named.name;
        const auto parsed = parseColourName(named.name);
        ASSERT_TRUE(parsed) << named.name;
        EXPECT_EQ(*parsed, named.value);
        EXPECT_EQ(parseColourName(colourName(*parsed)), parsed);
    }
}
