// The SET generator, the network path placeholder and the services list the
// network pages offer; the other page generators run from data/page_generators.txt.
#include "core/settings/memory_settings_store.h"
#include "core/wizard/network_services_page.h"
#include "core/wizard/network_sharing_page.h"
#include "core/wizard/variables_page.h"
#include "generator_harness.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorHarness;
using wizard_testing::Lines;

TEST(SetVariables, OneLinePerFilledRowAndEachNameListedOnce) {
    GeneratorHarness harness;
    harness.lists.variables = {"path"};
    VariablesChoices page;
    page.StringGrid1[0] = {"NAME", "Bob"};
    page.StringGrid1[2] = {"DEST", "D:\\Backup"};
    page.StringGrid1[4] = {"", "orphan"}; // a value without a name still gives a line
    page.StringGrid1[5] = {"Name", ""};   // listed already, letter case ignored
    page.StringGrid1[9] = {"PATH", "C:\\"};
    generateSetVariables(page, harness.context);
    EXPECT_EQ(harness.result(), (wizard_testing::Generated{
                                    {"SET NAME=Bob", "SET DEST=D:\\Backup", "SET =orphan", "SET Name=", "SET PATH=C:\\"},
                                    {}}));
    EXPECT_EQ(harness.lists.variables, (Lines{"path", "NAME", "DEST", ""}));
}

TEST(SetVariables, WindowsQuotesEachAssignmentAndRefusesANamelessValue) {
    GeneratorHarness harness;
    harness.context.target = Target::Windows;
    VariablesChoices page;
    page.StringGrid1[0] = {"TITLE", "Tom & Jerry "};
    page.StringGrid1[1] = {"EMPTY", ""};
    generateSetVariables(page, harness.context);
    EXPECT_EQ(harness.result().lines, (Lines{"SET \"TITLE=Tom & Jerry \"", "SET \"EMPTY=\""}));
    GeneratorHarness nameless;
    nameless.context.target = Target::Windows;
    page.StringGrid1[3] = {"", "orphan"};
    generateSetVariables(page, nameless.context);
    EXPECT_TRUE(nameless.result().lines.empty());
    EXPECT_EQ(nameless.prompter.texts().size(), 1u);
}

TEST(NetworkPath, PlaceholderGoesOnEnterAndComesBackWhenLeftEmpty) {
    std::string text = NetworkSharingChoices{}.Edit30;
    enterNetworkPath(text);
    EXPECT_EQ(text, "");
    leaveNetworkPath(text);
    EXPECT_EQ(text, "\\\\ComputerName\\Share Name");
    text = "\\\\PC\\C"; // typed text stays on both
    enterNetworkPath(text);
    leaveNetworkPath(text);
    EXPECT_EQ(text, "\\\\PC\\C");
}

TEST(ServicesList, BuiltFromTheFileWithoutEmptyLinesSorted) {
    const Lines file = {"Spooler", "EVENTLOG", "", "alerter", "DHCP CLIENT", "eventlog", "Browser"};
    const Lines sorted = {"alerter", "Browser", "DHCP CLIENT", "EVENTLOG", "eventlog", "Spooler"};
    EXPECT_EQ(offeredServices(file, ServiceAction::Start), sorted);
    EXPECT_EQ(offeredServices(file, ServiceAction::Other), sorted);
    // Stopping takes out one EVENTLOG (the first, letter case ignored) and DHCP CLIENT.
    EXPECT_EQ(offeredServices(file, ServiceAction::Stop), (Lines{"alerter", "Browser", "eventlog", "Spooler"}));
    EXPECT_EQ(offeredServices({"EVENTLOG", "DHCP CLIENT"}, ServiceAction::Stop), Lines{});
}

TEST(ServicesList, AddingAServiceKeepsTheEarlierOnes) {
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files(dir.folder());
    core::settings::MemorySettingsStore store;
    testing_support::ScriptedPrompter prompter;
    EXPECT_TRUE(loadServices(store, files).empty());
    for (const char* name : {"Spooler", "C:\\Tools\\Agent Service", "spooler", ""})
        EXPECT_TRUE(addService(store, files, prompter, name)) << name;
    EXPECT_EQ(dir.read("Services.qlt"), "Spooler\r\nC:\\Tools\\Agent Service\r\n");
    EXPECT_TRUE(store.readBool("Templates", "NetServices", false));
    EXPECT_EQ(loadServices(store, files), (Lines{"Spooler", "C:\\Tools\\Agent Service"}));
}

TEST(ServicesPage, StartStopListFollowsTheSwitchesAndEmptiesOnAChange) {
    NetworkServicesChoices page;
    page.servicesFile = {"EVENTLOG", "Spooler"};
    EXPECT_EQ(page.startStopItems(), (Lines{"EVENTLOG", "Spooler"}));
    page.RadioButton52 = true;
    EXPECT_EQ(page.startStopItems(), Lines{"Spooler"});
    page.ComboBox3 = "Spooler";
    page.startStopChoiceChanged();
    EXPECT_EQ(page.ComboBox3, std::nullopt);
}
