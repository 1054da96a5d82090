#include "core/wizard/network_services_page.h"

#include "core/wizard/update_flow.h"

#include "core/settings/memory_settings_store.h"
#include "generator_cases.h"
#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using core::settings::MemorySettingsStore;
using wizard_testing::Lines;

TEST(ServicesList, BuiltFromTheFileWithoutEmptyLinesSorted) {
    const Lines file = {"Spooler", "EVENTLOG", "", "alerter", "DHCP CLIENT", "eventlog", "Browser"};
    struct Case {
        ServiceAction action;
        Lines expected;
    } cases[] = {
        {ServiceAction::Start, {"alerter", "Browser", "DHCP CLIENT", "EVENTLOG", "eventlog", "Spooler"}},
        {ServiceAction::Other, {"alerter", "Browser", "DHCP CLIENT", "EVENTLOG", "eventlog", "Spooler"}},
        // Stopping takes out one EVENTLOG (the first, letter case ignored) and DHCP CLIENT.
        {ServiceAction::Stop, {"alerter", "Browser", "eventlog", "Spooler"}},
    };
    for (const auto& c : cases) EXPECT_EQ(offeredServices(file, c.action), c.expected);
    EXPECT_EQ(offeredServices({"EVENTLOG", "DHCP CLIENT"}, ServiceAction::Stop), Lines{});
}

TEST(ServicesList, AddingAServiceKeepsTheEarlierOnes) {
    testing_support::TempDir dir;
    testing_support::DiskFileSystem files(dir.folder());
    MemorySettingsStore store;
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

TEST(Services, SelectedItemQuotedOrAWarningBySectionCode) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {25, R"(NET START "Print Spooler")", "Oops! You forgot to select a service to start."},
        {26, R"(NET STOP "Print Spooler")", "Oops! You forgot to select a service to stop."},
        {27, R"(NET PAUSE "SIMPLE TCP/IP SERVICES")", "Oops! You forgot to select a service to pause."},
        {28, R"(NET CONTINUE "SIMPLE TCP/IP SERVICES")",
         "Oops! You forgot to select a service to continue from a paused state."},
    };
    for (const auto& [code, line, warning] : cases) {
        WizardPages pages;
        wizard_testing::GeneratorHarness none, chosen;
        generateSection(code, pages, none.context);
        pages.networkServices.ComboBox3 = "Print Spooler";
        pages.networkServices.ComboBox4 = "SIMPLE TCP/IP SERVICES";
        generateSection(code, pages, chosen.context);
        using Outcome = wizard_testing::GeneratorOutcome;
        EXPECT_EQ(Outcome(none.document.lines(), none.prompter.texts()), Outcome({}, {warning})) << code;
        EXPECT_EQ(Outcome(chosen.document.lines(), chosen.prompter.texts()), Outcome({line}, {})) << code;
    }
}
