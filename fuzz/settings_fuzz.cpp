// A list file holding any bytes. Its entries never hold a line break, saving
// them and reading them back gives the same entries, the command templates
// built from them stay sorted, and every entry read as a stored setting
// (integer, colour) gives a value in the setting's range.
#include "fuzz_ports.h"
#include "fuzz_targets.h"

#include "core/aids/command_templates.h"
#include "core/settings/colour_name.h"
#include "core/settings/list_files.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "core/text/codepage.h"

#include <algorithm>

namespace fuzz {
namespace {

using namespace core::settings;

void checkEntries(const std::vector<std::string>& entries) {
    for (const auto& entry : entries)
        if (entry.find_first_of("\r\n") != std::string::npos) fail();
}

void checkTemplates(MemorySettingsStore& store, MemoryFiles& files) {
    CountingPrompter prompter;
    core::aids::CommandTemplates templates(store, files, prompter);
    templates.close();
    const auto& list = templates.list();
    for (std::size_t i = 1; i < list.size(); ++i)
        if (core::text::toUpper(list[i]) < core::text::toUpper(list[i - 1])) fail();
    if (std::count(list.begin(), list.end(), "") != 0 || std::count(list.begin(), list.end(), " ") != 0) fail();
}

void checkAsSetting(const std::string& entry) {
    MemorySettingsStore store;
    for (const auto& def : allSettings()) store.writeText(def.section, def.name, entry);
    for (const auto& def : allSettings()) {
        if (def.type == ValueType::Integer) {
            const int value = readInteger(store, def.id);
            if (value != def.intDefault && (value < def.minimum || value > def.maximum)) fail();
        } else if (def.type == ValueType::Colour) {
            const auto colour = parseColourName(readText(store, def.id));
            if (!colour || parseColourName(colourName(*colour)) != colour) fail();
        }
    }
}

} // namespace

int listFileInput(const std::uint8_t* data, std::size_t size) {
    MemoryFiles files;
    MemorySettingsStore store;
    const auto path = pathOf(files, ListFile::Custom);
    files.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    writeBool(store, flagOf(ListFile::Custom), true);

    const auto entries = loadList(store, files, ListFile::Custom);
    checkEntries(entries);
    checkTemplates(store, files);
    if (!saveList(store, files, ListFile::Custom, entries).ok) fail();
    if (loadList(store, files, ListFile::Custom) != entries) fail();
    for (std::size_t i = 0; i < entries.size() && i < 8; ++i) checkAsSetting(entries[i]);
    return 0;
}

} // namespace fuzz
