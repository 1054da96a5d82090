// The values start-up reads and shutdown writes, the page numbering and the
// commands each mode switches.
#include "core/settings/startup_state.h"

#include "core/settings/memory_settings_store.h"
#include "core/aids/disk_file_system.h"
#include "support/case_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>


using namespace core::settings;
using core::aids::DiskFileSystem;
using testing_support::ScriptedPrompter;
using testing_support::TempDir;

namespace {

const std::string PROGRAM = "/opt/quillet/";

std::string describe(const StartupState& s) {
    return "wizard " + std::to_string(s.wizardPage) + " net " + std::to_string(s.networkPage) + " active " +
           std::to_string(static_cast<int>(s.activePage)) + (s.welcomeVisible ? " welcome" : " no-welcome") + " " +
           std::to_string(s.width) + "x" + std::to_string(s.height) + (s.maximised ? " maximised" : " normal") +
           " open " + s.openFolder + " browse " + s.browseFolder + " save " + s.saveFolder +
           (s.loadIgnoreList ? " ignore-list" : "");
}

// Remembers the order of the writes as "section/name=value".
class RecordingStore : public MemorySettingsStore {
public:
    std::vector<std::string> writes;
    void writeText(std::string_view section, std::string_view name, std::string_view value) override {
        writes.push_back(std::string(section) + "/" + std::string(name) + "=" + std::string(value));
        MemorySettingsStore::writeText(section, name, value);
    }
    void writeInteger(std::string_view section, std::string_view name, int value) override {
        writes.push_back(std::string(section) + "/" + std::string(name) + "=" + std::to_string(value));
        MemorySettingsStore::writeInteger(section, name, value);
    }
};

class ShutdownStateTest : public ::testing::Test {
protected:
    TempDir dir;
    DiskFileSystem files{dir.folder()};
    ScriptedPrompter prompter;
    RecordingStore store;
};

} // namespace

TEST(StartupState, EmptyStoreGivesTheDefaults) {
    MemorySettingsStore store;
    EXPECT_EQ(describe(readStartupState(store, PROGRAM)),
              "wizard 1 net 1 active 5 welcome 800x575 normal open /opt/quillet/Examples browse \\ save \\");
    EXPECT_TRUE(store.values().empty());
}

// A folder relative to the program is one inside it; the user's own folder stays.
TEST(StartupState, TheOpenFolderIsFoundFromTheProgramsOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {".\\Examples", "/opt/quillet/Examples"}, {"./Mine", "/opt/quillet/Mine"}, {"/home/me/bat/", "/home/me/bat/"}};
    for (const auto& [stored, folder] : cases) {
        MemorySettingsStore store;
        store.writeText("PreviousExec", "LastOpen1Path", stored);
        EXPECT_EQ(readStartupState(store, PROGRAM).openFolder, folder) << stored;
    }
}

TEST(StartupState, StoredValuesOutsideTheirNumbersFallBack) {
    const auto cases = testing_support::readCases(SETTINGS_TEST_DATA "/stored_pages.txt", {"state"});
    EXPECT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        MemorySettingsStore store;
        const auto numbers = testing_support::wordsOf(c[""].at(0));
        const char* names[] = {"EasyActive", "EasyNetActive", "Active", "Hidden", "Window"};
        for (std::size_t i = 0; i < 5; ++i) store.writeInteger("PreviousExec", names[i], std::stoi(numbers.at(i)));
        for (const char* name : {"LastOpen1Path", "LastOpen2Path"}) store.writeText("PreviousExec", name, "");
        store.writeText("PreviousExec", "LastSavePath", "D:\\OUT\\");
        store.writeInteger("Templates", "Ignore", 1);
        EXPECT_EQ(describe(readStartupState(store, PROGRAM)), c["state"].at(0) + " 800x575" + (numbers[4] == "2" ? " maximised" : " normal") +
                      " open /opt/quillet/Examples browse \\ save D:\\OUT\\ ignore-list");
    }
}

TEST_F(ShutdownStateTest, FirstExitWritesEveryValueInOrderAndStartsTheSameWayAgain) {
    ShutdownState state;
    state.ignoredCommands = {"COPY A B"};
    state.openDialogFileName = "C:\\JOBS\\A.BAT";
    state.saveDialogFileName = "Untitled.bat";
    writeShutdownState(store, files, prompter, state);
    EXPECT_EQ(store.writes, (std::vector<std::string>{
                                "PreviousExec/Active=5", "PreviousExec/EasyActive=1", "PreviousExec/EasyNetActive=1",
                                "PreviousExec/Hidden=1", "PreviousExec/Height=575", "PreviousExec/Width=800",
                                "PreviousExec/Window=1", "Templates/Ignore=1", "Templates/Ignore=1",
                                "PreviousExec/LastOpen1Path=C:\\JOBS\\", "PreviousExec/LastOpen2Path=",
                                "PreviousExec/LastSavePath="}));
    EXPECT_EQ(dir.read("Ignore.qlt"), "COPY A B\r\n");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(describe(readStartupState(store, PROGRAM)),
              "wizard 1 net 1 active 5 welcome 800x575 normal open C:\\JOBS\\ browse \\ save \\ ignore-list");
}

TEST_F(ShutdownStateTest, RoundTripAfterLeavingWelcome) {
    ShutdownState state{TopPage::Easy, 6, 3, true, false, false, 700, 1000, {}, "/home/u/a.bat", "/mnt/x/y.txt", "/tmp/s.bat"};
    writeShutdownState(store, files, prompter, state);
    EXPECT_EQ(describe(readStartupState(store, PROGRAM)),
              "wizard 6 net 3 active 2 no-welcome 1000x700 normal open /home/u/ browse /mnt/x/ save /tmp/ ignore-list");
}

TEST_F(ShutdownStateTest, MaximisedWindowAndRemovedWelcomePageWriteLess) {
    ShutdownState state;
    state.activePage = TopPage::Advanced;
    state.welcomePageExists = false;
    state.welcomeVisible = true; // ignored: the page is gone
    state.maximised = true;
    state.height = 864;
    state.width = 1152;
    writeShutdownState(store, files, prompter, state);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"PreviousExec/Active=1", "PreviousExec/EasyActive=1",
                                                       "PreviousExec/EasyNetActive=1", "PreviousExec/Window=2",
                                                       "Templates/Ignore=1", "Templates/Ignore=1",
                                                       "PreviousExec/LastOpen1Path=", "PreviousExec/LastOpen2Path=",
                                                       "PreviousExec/LastSavePath="}));
}

// The message is part of the write faults; here, what is stored after it.
TEST_F(ShutdownStateTest, UnwritableIgnoreListIsFlaggedAbsentAndTheRestIsStored) {
    DiskFileSystem missingFolder(dir.folder() + "missing/");
    ShutdownState state;
    state.saveDialogFileName = "/tmp/x.bat";
    writeShutdownState(store, missingFolder, prompter, state);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(store.readText("Templates", "Ignore", ""), "0");
    EXPECT_EQ(store.readText("PreviousExec", "LastSavePath", ""), "/tmp/");
}

TEST(Layouts, PageNumbersAndMoves) {
    EXPECT_EQ(wizardPageCaption(8), "");
    EXPECT_EQ(networkPageCaption(0), "");
    // On, back to the first after the last of the six, and the network page stays.
    EXPECT_EQ(nextWizardPage(1), 2);
    EXPECT_EQ(nextWizardPage(6), 1);
    EXPECT_EQ(nextWizardPage(7), 7);
    EXPECT_EQ(switchedLayout(TopPage::Advanced), TopPage::Easy);
    EXPECT_EQ(switchedLayout(TopPage::Easy), TopPage::Advanced);
    EXPECT_EQ(switchedLayout(TopPage::Welcome), TopPage::Welcome);
}
