#include "core/settings/settings_table.h"

#include "core/settings/memory_settings_store.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    const auto cases = testing_support::readCases(SETTINGS_TEST_DATA "/garbage_numbers.txt", {});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto slash = c.name.find('/'), equals = c.name.find('=');
        const auto section = c.name.substr(0, slash), name = c.name.substr(slash + 1, equals - slash - 1);
        const auto& defs = allSettings();
        const auto def = std::find_if(defs.begin(), defs.end(), [&](const auto& d) { return d.section == section && d.name == name; });
        ASSERT_NE(def, defs.end());
        MemorySettingsStore store;
        store.writeText(section, name, c.name.substr(equals + 1));
        EXPECT_EQ(readInteger(store, def->id), std::stoi(c[""].at(0)));
    }
    MemorySettingsStore store;
    store.writeText("Options", "Background", "clNoSuchColour");
    EXPECT_EQ(readText(store, Setting::Background), "clWindow");
    store.writeText("PreviousExec", "Hidden", "yes");
    EXPECT_TRUE(readBool(store, Setting::Hidden));
    writeBool(store, Setting::Hidden, false);
    EXPECT_EQ(store.readText("PreviousExec", "Hidden", ""), "0") << "booleans are stored as numbers";
}
