#include "core/settings/settings_table.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

#include <set>

using namespace core::settings;

TEST(SettingsTable, NamesAreUniqueWithinTheirSectionAndReadingWritesNothing) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    MemorySettingsStore store;
    for (const auto& def : allSettings()) {
        EXPECT_TRUE(seen.insert({def.section, def.name}).second) << def.name;
        if (def.type == ValueType::Text || def.type == ValueType::Colour) readText(store, def.id);
        else readInteger(store, def.id);
    }
    EXPECT_TRUE(store.values().empty());
}

TEST(SettingsTable, GarbageReadsAsDefaultOrIsClamped) {
    struct Case { const char* section; const char* name; const char* stored; Setting id; int expected; } cases[] = {
        {"PreviousExec", "EasyActive", "abc", Setting::EasyActive, 1},
        {"PreviousExec", "EasyActive", "9", Setting::EasyActive, 1},
        {"PreviousExec", "Active", "3", Setting::Active, 3},   // in range; what 3 means is decided at start-up
        {"PreviousExec", "Height", "-40", Setting::Height, 565},
        {"PreviousExec", "Width", "99999", Setting::Width, 16384},
        {"PreviousExec", "Window", "7", Setting::Window, 1},
        {"Options", "FontSize", "0", Setting::FontSize, 10},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.writeText(c.section, c.name, c.stored);
        EXPECT_EQ(readInteger(store, c.id), c.expected) << c.name << "=" << c.stored;
    }
    MemorySettingsStore store;
    store.writeText("Options", "Background", "clNoSuchColour");
    EXPECT_EQ(readText(store, Setting::Background), "clWindow");
    store.writeText("PreviousExec", "Hidden", "yes");
    EXPECT_TRUE(readBool(store, Setting::Hidden));
    writeBool(store, Setting::Hidden, false);
    EXPECT_EQ(store.readText("PreviousExec", "Hidden", ""), "0") << "booleans are stored as numbers";
}
