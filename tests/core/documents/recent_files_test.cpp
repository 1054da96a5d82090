// The three recent-file entries: their order after Open and Save As, what the
// store holds, and which entries the File menu shows.
#include "core/documents/recent_files.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using core::documents::RecentFiles;
using core::settings::MemorySettingsStore;

namespace {

using Three = std::array<std::string, 3>;

RecentFiles loaded(MemorySettingsStore& store, const Three& files) {
    for (std::size_t i = 0; i < files.size(); ++i) store.writeText("Recent", "File0" + std::to_string(i + 1), files[i]);
    RecentFiles recent;
    recent.load(store);
    return recent;
}

Three stored(MemorySettingsStore& store) {
    return {store.readText("Recent", "File01", ""), store.readText("Recent", "File02", ""),
            store.readText("Recent", "File03", "")};
}

} // namespace

TEST(RecentFiles, OpenAndSaveAsShuffleTheList) {
    // Before, Save As (or Open), the path, after.
    const std::tuple<Three, bool, std::string, Three> cases[] = {
        {{"A", "B", "C"}, false, "C", {"C", "A", "B"}},
        {{"A", "B", "C"}, false, "B", {"B", "A", "C"}},
        {{"A", "B", "C"}, false, "A", {"A", "B", "C"}},
        {{"A", "B", "C"}, false, "D", {"D", "A", "B"}},
        {{"A", "B", "C"}, false, "a", {"a", "A", "B"}}, // letter case counts
        {{"A", "B", "C"}, true, "A", {"A", "A", "B"}},
        {{"A", "X", "A"}, false, "A", {"A", "A", "X"}}, // the last slot is checked first
        {{"File 1", "File 2", "File 3"}, false, "D", {"D", "File 1", "File 2"}},
    };
    for (const auto& [before, saveAs, path, after] : cases) {
        SCOPED_TRACE(path + (saveAs ? " saved as" : " opened"));
        MemorySettingsStore store;
        auto recent = loaded(store, before);
        saveAs ? recent.noteSavedAs(path, store) : recent.noteOpened(path, store);
        EXPECT_EQ(stored(store), after);
        EXPECT_EQ((Three{recent.file(0), recent.file(1), recent.file(2)}), after);
        EXPECT_EQ(recent.caption(0) + " " + recent.caption(2), "&1. " + after[0] + " &3. " + after[2]);
    }
}

TEST(RecentFiles, EntriesShowingPlaceholdersAreHidden) {
    // The entries, whether entry 1 was opened, which show.
    const std::tuple<Three, bool, std::array<bool, 3>> cases[] = {
        {{"File 1", "File 2", "File 3"}, false, {false, false, false}},
        {{"A", "File 2", "File 3"}, false, {true, false, false}},
        {{"A", "File 1", "File 2"}, false, {true, false, false}},
        {{"A", "B", "File 1"}, false, {true, true, false}},
        {{"A", "B", "C"}, false, {true, true, true}},
        {{"File 1", "B", "C"}, false, {false, true, true}},
        {{"File 1", "File 2", "File 3"}, true, {true, false, false}}, // after Open entry 1 shows
    };
    for (const auto& [files, afterOpen, visible] : cases) {
        SCOPED_TRACE(files[0] + "|" + files[1] + "|" + files[2]);
        MemorySettingsStore store;
        auto recent = loaded(store, files);
        if (afterOpen) recent.noteOpened(files[0], store);
        EXPECT_EQ((std::array<bool, 3>{recent.visible(0), recent.visible(1), recent.visible(2)}), visible);
        EXPECT_EQ(recent.separatorVisible(), visible[0]);
    }
}
