#include "core/settings/settings_table.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

#include <set>

using namespace core::settings;

namespace {

struct Expected { Setting id; const char* section; const char* name; const char* text; int number; };

// The store's documented layout, restated once so a change to the table is a conscious one.
const Expected LAYOUT[] = {
    {Setting::EasyActive, "PreviousExec", "EasyActive", "", 1},
    {Setting::EasyNetActive, "PreviousExec", "EasyNetActive", "", 1},
    {Setting::Active, "PreviousExec", "Active", "", 5},
    {Setting::Hidden, "PreviousExec", "Hidden", "", 1},
    {Setting::Height, "PreviousExec", "Height", "", 575},
    {Setting::Width, "PreviousExec", "Width", "", 800},
    {Setting::Window, "PreviousExec", "Window", "", 1},
    {Setting::LastOpen1Path, "PreviousExec", "LastOpen1Path", ".\\Examples", 0},
    {Setting::LastOpen2Path, "PreviousExec", "LastOpen2Path", "\\", 0},
    {Setting::LastSavePath, "PreviousExec", "LastSavePath", "\\", 0},
    {Setting::FontName, "Options", "FontName", "Terminal", 0},
    {Setting::FontSize, "Options", "FontSize", "", 10},
    {Setting::Background, "Options", "Background", "clWindow", 0},
    {Setting::Text, "Options", "Text", "clWindowText", 0},
    {Setting::CmdText, "Options", "CmdText", "clWindowText", 0},
    {Setting::LabelText, "Options", "LabelText", "clWindowText", 0},
    {Setting::CmtText, "Options", "CmtText", "clWindowText", 0},
    {Setting::RecentFile1, "Recent", "File01", "File 1", 0},
    {Setting::RecentFile2, "Recent", "File02", "File 2", 0},
    {Setting::RecentFile3, "Recent", "File03", "File 3", 0},
    {Setting::IgnoreFlag, "Templates", "Ignore", "", 0},
    {Setting::CustomFlag, "Templates", "Custom", "", 0},
    {Setting::FilesFlag, "Templates", "Files", "", 0},
    {Setting::PathsFlag, "Templates", "Paths", "", 0},
    {Setting::NetServicesFlag, "Templates", "NetServices", "", 0},
    {Setting::UpdateServers, "Update", "Servers", "pop1.marrowfen.example update;pop2.marrowfen.example update", 0},
    {Setting::UpdatePassword, "Update", "Password", "", 0},
    {Setting::UpdateSecurity, "Update", "Security", "starttls", 0},
    {Setting::UpdateDownloadAddress, "Update", "DownloadAddress", "https://www.marrowfen.example/download/quillet-setup.exe", 0},
};

bool isTextual(ValueType t) { return t == ValueType::Text || t == ValueType::Colour; }

} // namespace

TEST(SettingsTable, EveryValueReadsAsItsDefaultFromAnEmptyStore) {
    ASSERT_EQ(allSettings().size(), std::size(LAYOUT));
    MemorySettingsStore store;
    for (const auto& e : LAYOUT) {
        SCOPED_TRACE(e.name);
        const auto& def = definition(e.id);
        EXPECT_EQ(def.section, e.section);
        EXPECT_EQ(def.name, e.name);
        if (isTextual(def.type)) EXPECT_EQ(readText(store, e.id), e.text);
        else if (def.type == ValueType::Boolean) EXPECT_EQ(readBool(store, e.id), e.number != 0);
        else EXPECT_EQ(readInteger(store, e.id), e.number);
    }
    EXPECT_TRUE(store.values().empty()) << "reading must not write";
}

TEST(SettingsTable, NamesAreUniqueWithinTheirSection) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const auto& def : allSettings()) EXPECT_TRUE(seen.insert({def.section, def.name}).second) << def.name;
}

TEST(SettingsTable, WriteReadRoundTrip) {
    MemorySettingsStore store;
    writeInteger(store, Setting::EasyActive, 6);
    writeInteger(store, Setting::Width, 1000);
    writeBool(store, Setting::Hidden, false);
    writeText(store, Setting::LastSavePath, "C:\\JOBS\\");
    writeText(store, Setting::CmdText, "clRed");
    writeText(store, Setting::RecentFile1, "C:\\A.BAT");
    EXPECT_EQ(readInteger(store, Setting::EasyActive), 6);
    EXPECT_EQ(readInteger(store, Setting::Width), 1000);
    EXPECT_FALSE(readBool(store, Setting::Hidden));
    EXPECT_EQ(readText(store, Setting::LastSavePath), "C:\\JOBS\\");
    EXPECT_EQ(readText(store, Setting::CmdText), "clRed");
    EXPECT_EQ(readText(store, Setting::RecentFile1), "C:\\A.BAT");
    EXPECT_EQ(store.readText("PreviousExec", "Hidden", ""), "0") << "booleans are stored as numbers";
}

TEST(SettingsTable, GarbageReadsAsDefaultOrIsClamped) {
    MemorySettingsStore store;
    struct Case { const char* section; const char* name; const char* stored; Setting id; int expected; } cases[] = {
        {"PreviousExec", "EasyActive", "abc", Setting::EasyActive, 1},
        {"PreviousExec", "EasyActive", "9", Setting::EasyActive, 1},
        {"PreviousExec", "EasyNetActive", "0", Setting::EasyNetActive, 1},
        {"PreviousExec", "Active", "3", Setting::Active, 3},   // in range; what 3 means is decided at start-up
        {"PreviousExec", "Height", "-40", Setting::Height, 565},
        {"PreviousExec", "Width", "99999", Setting::Width, 1152},
        {"PreviousExec", "Window", "7", Setting::Window, 1},
        {"Options", "FontSize", "0", Setting::FontSize, 10},
        {"Options", "FontSize", "12x", Setting::FontSize, 10},
    };
    for (const auto& c : cases) {
        store.writeText(c.section, c.name, c.stored);
        EXPECT_EQ(readInteger(store, c.id), c.expected) << c.name << "=" << c.stored;
    }
    store.writeText("Options", "Background", "clNoSuchColour");
    EXPECT_EQ(readText(store, Setting::Background), "clWindow");
    store.writeText("PreviousExec", "Hidden", "yes");
    EXPECT_TRUE(readBool(store, Setting::Hidden));
}
