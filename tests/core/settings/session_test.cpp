// The files open at exit: stored, read back, and what start-up opens from them.
#include "core/settings/memory_settings_store.h"
#include "core/settings/session.h"
#include "core/settings/settings_table.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using core::settings::Session;
using core::settings::Setting;

TEST(SessionFiles, StoredTextGivesItsPathsAndGarbageIsLeftOut) {
    for (const auto& c : testing_support::readCases(SETTINGS_TEST_DATA "/session_files.txt", {"files"})) {
        SCOPED_TRACE(c.where);
        ASSERT_EQ(c[""].size(), 1u);
        EXPECT_EQ(core::settings::decodeSessionFiles(c[""][0]), c["files"]);
    }
}

TEST(SessionFiles, AnyPathSurvivesTheStore) {
    const std::vector<std::string> files = {"C:\\A B\\x.bat", "/home/u/a|b%7C.bat", "%", "|"};
    EXPECT_EQ(core::settings::decodeSessionFiles(core::settings::encodeSessionFiles(files)), files);
}

TEST(SessionFiles, StartUpRestoresUnlessTurnedOffOrAFileIsNamed) {
    core::settings::MemorySettingsStore store;
    const Session stored{{"C:\\A.BAT", "C:\\B.BAT"}, 1};
    core::settings::writeSession(store, stored);
    EXPECT_EQ(core::settings::sessionToRestore(store, false), stored);
    EXPECT_EQ(core::settings::sessionToRestore(store, true), Session{});
    core::settings::writeBool(store, Setting::RestoreSession, false);
    EXPECT_EQ(core::settings::sessionToRestore(store, false), Session{});
}

TEST(SessionFiles, AFrontPastTheFilesIsTheFirst) {
    core::settings::MemorySettingsStore store;
    core::settings::writeSession(store, {{"C:\\A.BAT", "C:\\B.BAT"}, 2});
    EXPECT_EQ(core::settings::sessionToRestore(store, false).front, 0u);
    store.writeText("Session", "Front", "garbage");
    EXPECT_EQ(core::settings::sessionToRestore(store, false).front, 0u);
}
