// The three recent-file entries: their order after Open and Save As, what the
// store holds, and which entries the File menu shows.
#include "core/documents/recent_files.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

#include <array>

using core::documents::RecentFiles;
using core::settings::MemorySettingsStore;

namespace {

using Three = std::array<std::string, 3>;

RecentFiles loaded(MemorySettingsStore& store, const Three& files) {
    store.writeText("Recent", "File01", files[0]);
    store.writeText("Recent", "File02", files[1]);
    store.writeText("Recent", "File03", files[2]);
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
    struct Case {
        Three before;
        bool saveAs;
        std::string path;
        Three after;
    };
    const Case cases[] = {
        {{"A", "B", "C"}, false, "C", {"C", "A", "B"}},
        {{"A", "B", "C"}, false, "B", {"B", "A", "C"}},
        {{"A", "B", "C"}, false, "A", {"A", "B", "C"}},
        {{"A", "B", "C"}, false, "D", {"D", "A", "B"}},
        {{"A", "B", "C"}, false, "a", {"a", "A", "B"}}, // letter case counts
        {{"A", "B", "C"}, true, "A", {"A", "A", "B"}},
        {{"A", "X", "A"}, false, "A", {"A", "A", "X"}}, // the last slot is checked first
        {{"File 1", "File 2", "File 3"}, false, "D", {"D", "File 1", "File 2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + (c.saveAs ? " saved as" : " opened"));
        MemorySettingsStore store;
        auto recent = loaded(store, c.before);
        c.saveAs ? recent.noteSavedAs(c.path, store) : recent.noteOpened(c.path, store);
        EXPECT_EQ(stored(store), c.after);
        EXPECT_EQ((Three{recent.file(0), recent.file(1), recent.file(2)}), c.after);
        EXPECT_EQ(recent.caption(0), "&1. " + c.after[0]);
        EXPECT_EQ(recent.caption(2), "&3. " + c.after[2]);
    }
}

TEST(RecentFiles, EntriesShowingPlaceholdersAreHidden) {
    struct Case {
        Three files;
        bool afterOpen;
        std::array<bool, 3> visible;
    };
    const Case cases[] = {
        {{"File 1", "File 2", "File 3"}, false, {false, false, false}},
        {{"A", "File 2", "File 3"}, false, {true, false, false}},
        {{"A", "File 1", "File 2"}, false, {true, false, false}},
        {{"A", "B", "File 1"}, false, {true, true, false}},
        {{"A", "B", "C"}, false, {true, true, true}},
        {{"File 1", "B", "C"}, false, {false, true, true}},
        {{"File 1", "File 2", "File 3"}, true, {true, false, false}}, // after Open entry 1 shows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files[0] + "|" + c.files[1] + "|" + c.files[2]);
        MemorySettingsStore store;
        auto recent = loaded(store, c.files);
        if (c.afterOpen) recent.noteOpened(c.files[0], store);
        EXPECT_EQ((std::array<bool, 3>{recent.visible(0), recent.visible(1), recent.visible(2)}), c.visible);
        EXPECT_EQ(recent.separatorVisible(), c.visible[0]);
    }
}
