// The example batch files shipped beside the program, opened from a copy and
// saved unchanged, come back byte for byte (the generated corpus in every
// encoding is encoding_round_trip_test's).
#include "core/aids/disk_file_system.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(RoundTrip, ShippedExamplesSaveBackByteForByte) {
    testing_support::TempDir dir;
    for (const auto& entry : fs::directory_iterator(EXAMPLES_FOLDER))
        if (entry.path().extension() == ".bat") fs::copy(entry.path(), dir.path() / entry.path().filename());
    core::aids::DiskFileSystem files(dir.folder());
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
    core::documents::PickLists lists;
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.start();
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        SCOPED_TRACE(entry.path().filename().string());
        const auto original = dir.read(entry.path().filename().string());
        EXPECT_TRUE(documents.openFile(entry.path().string()));
        EXPECT_TRUE(documents.save());
        EXPECT_EQ(dir.read(entry.path().filename().string()), original);
        documents.closeFile();
        ++count;
    }
    EXPECT_GE(count, 5u);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{});
}
