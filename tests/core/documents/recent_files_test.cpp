// The three recent-file entries: their order after Open and Save As, what the
// store holds, and which entries the File menu shows.
#include "core/documents/recent_files.h"

#include "core/settings/memory_settings_store.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <array>

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

Three threeOf(const std::vector<std::string>& values) { return {values.at(0), values.at(1), values.at(2)}; }

Three stored(MemorySettingsStore& store) {
    return {store.readText("Recent", "File01", ""), store.readText("Recent", "File02", ""),
            store.readText("Recent", "File03", "")};
}

} // namespace

TEST(RecentFiles, OpenAndSaveAsShuffleTheList) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/recent_shuffles.txt", {"after"});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const bool saveAs = c.name.starts_with("saved as ");
        const auto path = c.name.substr(c.name.rfind(' ') + 1);
        const auto before = threeOf(c[""]), after = threeOf(c["after"]);
        MemorySettingsStore store;
        auto recent = loaded(store, before);
        saveAs ? recent.noteSavedAs(path, store) : recent.noteOpened(path, store);
        EXPECT_EQ(stored(store), after);
        EXPECT_EQ((Three{recent.file(0), recent.file(1), recent.file(2)}), after);
        EXPECT_EQ(recent.caption(0) + " " + recent.caption(2), "&1. " + after[0] + " &3. " + after[2]);
    }
}

TEST(RecentFiles, EntriesShowingPlaceholdersAreHidden) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/recent_shown.txt", {"shown"});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto files = threeOf(c[""]);
        MemorySettingsStore store;
        auto recent = loaded(store, files);
        if (c.name == "after Open of entry 1") recent.noteOpened(files[0], store);
        std::string shown;
        for (std::size_t i = 0; i < 3; ++i) shown += std::string(i ? " " : "") + (recent.visible(i) ? "yes" : "no");
        EXPECT_EQ(shown, c["shown"].at(0));
        EXPECT_EQ(recent.separatorVisible(), recent.visible(0));
    }
}

// The menu entries hand in the listed path itself, which the move overwrites.
TEST(RecentFiles, OpeningOrSavingAsAListedEntryKeepsItsPath) {
    const Three list{"C", "B", "A"};
    const std::array<Three, 3> opened{Three{"C", "B", "A"}, Three{"B", "C", "A"}, Three{"A", "C", "B"}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        MemorySettingsStore store;
        auto recent = loaded(store, list);
        recent.noteOpened(recent.file(i), store);
        EXPECT_EQ(stored(store), opened[i]);
    }
    MemorySettingsStore store;
    auto recent = loaded(store, list);
    recent.noteSavedAs(recent.file(2), store);
    EXPECT_EQ(stored(store), (Three{"A", "C", "B"}));
}
