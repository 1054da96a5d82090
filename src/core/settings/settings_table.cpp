#include "core/settings/settings_table.h"

#include "core/settings/colour_name.h"

#include <algorithm>
#include <array>
#include <climits>
#include <stdexcept>

namespace core::settings {
namespace {

using enum ValueType;
constexpr int ANY_MIN = INT_MIN;
constexpr int ANY_MAX = INT_MAX;

constexpr std::array<SettingDef, 39> SETTINGS = {{
    {Setting::EasyActive, PREVIOUS_EXEC, "EasyActive", Integer, "", 1, 1, 7, false},
    {Setting::EasyNetActive, PREVIOUS_EXEC, "EasyNetActive", Integer, "", 1, 1, 4, false},
    {Setting::Active, PREVIOUS_EXEC, "Active", Integer, "", 5, 1, 5, false},
    {Setting::Hidden, PREVIOUS_EXEC, "Hidden", Boolean, "", 1, 0, 1, false},
    // The window has a minimum size and no maximum: any screen is large enough.
    {Setting::Height, PREVIOUS_EXEC, "Height", Integer, "", 575, 565, 16384, true},
    {Setting::Width, PREVIOUS_EXEC, "Width", Integer, "", 800, 800, 16384, true},
    {Setting::Window, PREVIOUS_EXEC, "Window", Integer, "", 1, 1, 2, false},
    {Setting::LastOpen1Path, PREVIOUS_EXEC, "LastOpen1Path", Text, ".\\Examples", 0, 0, 0, false},
    {Setting::LastOpen2Path, PREVIOUS_EXEC, "LastOpen2Path", Text, "\\", 0, 0, 0, false},
    {Setting::LastSavePath, PREVIOUS_EXEC, "LastSavePath", Text, "\\", 0, 0, 0, false},
    {Setting::FontName, OPTIONS, "FontName", Text, "Terminal", 0, 0, 0, false},
    {Setting::FontSize, OPTIONS, "FontSize", Integer, "", 10, 1, 200, false},
    {Setting::Background, OPTIONS, "Background", Colour, "clWindow", 0, 0, 0, false},
    {Setting::Text, OPTIONS, "Text", Colour, "clWindowText", 0, 0, 0, false},
    // Mid-tones that read on a light and on a dark paper alike: blue commands,
    // amber labels, green comments.
    {Setting::CmdText, OPTIONS, "CmdText", Colour, "$00C06000", 0, 0, 0, false},
    {Setting::LabelText, OPTIONS, "LabelText", Colour, "$000070C0", 0, 0, 0, false},
    {Setting::CmtText, OPTIONS, "CmtText", Colour, "$00408000", 0, 0, 0, false},
    {Setting::ProblemReport, OPTIONS, "ProblemReport", Integer, "", 0, 0, 2, false},
    {Setting::SaveAsLine, OPTIONS, "SaveAsLine", Boolean, "", 1, 0, 1, false},
    {Setting::RecentFile1, RECENT, "File01", Text, "File 1", 0, 0, 0, false},
    {Setting::RecentFile2, RECENT, "File02", Text, "File 2", 0, 0, 0, false},
    {Setting::RecentFile3, RECENT, "File03", Text, "File 3", 0, 0, 0, false},
    {Setting::IgnoreFlag, TEMPLATES, "Ignore", Integer, "", 0, ANY_MIN, ANY_MAX, false},
    {Setting::CustomFlag, TEMPLATES, "Custom", Boolean, "", 0, 0, 1, false},
    {Setting::FilesFlag, TEMPLATES, "Files", Boolean, "", 0, 0, 1, false},
    {Setting::PathsFlag, TEMPLATES, "Paths", Boolean, "", 0, 0, 1, false},
    {Setting::NetServicesFlag, TEMPLATES, "NetServices", Boolean, "", 0, 0, 1, false},
    // The update notice's mailboxes: "host[:port] account" entries separated by ";".
    // The maker's real servers are configured at installation; these placeholders
    // never resolve, so a fresh install fails honestly and offers the next server.
    {Setting::UpdateServers, UPDATE, "Servers", Text, "pop1.marrowfen.example update;pop2.marrowfen.example update", 0, 0, 0, false},
    {Setting::UpdatePassword, UPDATE, "Password", Text, "", 0, 0, 0, false},
    {Setting::UpdateSecurity, UPDATE, "Security", Text, "starttls", 0, 0, 0, false},
    {Setting::UpdateDownloadAddress, UPDATE, "DownloadAddress", Text, "https://www.marrowfen.example/download/quillet-setup.exe", 0, 0, 0, false},
    // The encoding of new documents and of files that are neither UTF-8 nor
    // marked by CHCP (a key of core::text::encodingOfKey).
    {Setting::DefaultEncoding, OPTIONS, "DefaultEncoding", Text, "windows-1252", 0, 0, 0, false},
    {Setting::WarnConsoleCharacters, OPTIONS, "WarnConsoleCharacters", Boolean, "", 1, 0, 1, false},
    // The rules of a syntax check: 0 Automatic, 1 Classic, 2 Windows command interpreter.
    {Setting::CheckRules, OPTIONS, "CheckRules", Integer, "", 0, 0, 2, false},
    // The Easy layout's target: a user who never chose writes for today's Windows.
    {Setting::WizardTarget, OPTIONS, "WizardTarget", Text, "windows", 0, 0, 0, false},
    {Setting::CheckAsYouType, OPTIONS, "CheckAsYouType", Boolean, "", 1, 0, 1, false},
    {Setting::RestoreSession, OPTIONS, "RestoreSession", Boolean, "", 1, 0, 1, false},
    {Setting::SessionFiles, SESSION, "Files", Text, "", 0, 0, 0, false},
    {Setting::SessionFront, SESSION, "Front", Integer, "", 0, 0, ANY_MAX, false},
}};

// The table is indexed by the enum: keep both in the same order.
constexpr bool tableMatchesEnum() {
    for (std::size_t i = 0; i < SETTINGS.size(); ++i)
        if (static_cast<std::size_t>(SETTINGS[i].id) != i) return false;
    return true;
}
static_assert(tableMatchesEnum(), "SETTINGS must list the values in the order of enum Setting");

} // namespace

std::span<const SettingDef> allSettings() { return SETTINGS; }

const SettingDef& definition(Setting id) { return SETTINGS.at(static_cast<std::size_t>(id)); }

std::string readText(ports::SettingsStore& store, Setting id) {
    const auto& def = definition(id);
    auto value = store.readText(def.section, def.name, def.textDefault);
    if (def.type == Colour && !parseColourName(value)) return std::string(def.textDefault);
    return value;
}

int readInteger(ports::SettingsStore& store, Setting id) {
    const auto& def = definition(id);
    const int value = store.readInteger(def.section, def.name, def.intDefault);
    if (value >= def.minimum && value <= def.maximum) return value;
    return def.clamp ? std::clamp(value, def.minimum, def.maximum) : def.intDefault;
}

bool readBool(ports::SettingsStore& store, Setting id) {
    const auto& def = definition(id);
    return store.readBool(def.section, def.name, def.intDefault != 0);
}

void writeText(ports::SettingsStore& store, Setting id, std::string_view value) {
    const auto& def = definition(id);
    store.writeText(def.section, def.name, value);
}

void writeInteger(ports::SettingsStore& store, Setting id, int value) {
    const auto& def = definition(id);
    store.writeInteger(def.section, def.name, value);
}

void writeBool(ports::SettingsStore& store, Setting id, bool value) {
    const auto& def = definition(id);
    store.writeBool(def.section, def.name, value);
}

} // namespace core::settings
