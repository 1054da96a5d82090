#include "core/wizard/network_services_page.h"

#include "core/settings/memory_settings_store.h"
#include "generator_cases.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using core::settings::MemorySettingsStore;
using wizard_testing::GeneratorCase;
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
    EXPECT_TRUE(loadServices(store, files).empty());
    for (const char* name : {"Spooler", "C:\\Tools\\Agent Service", "spooler", ""})
        EXPECT_TRUE(addService(store, files, name).ok) << name;
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

TEST(Services, SelectedItemQuotedOrAWarning) {
    using Case = GeneratorCase<NetworkServicesChoices>;
    const auto chosen = [](auto& p) {
        p.ComboBox3 = "Print Spooler";
        p.ComboBox4 = "SIMPLE TCP/IP SERVICES";
    };
    const auto none = [](auto&) {};
    wizard_testing::expectCases<NetworkServicesChoices>(generateStartService, {
        Case{"start", chosen, {{R"(NET START "Print Spooler")"}, {}}},
        Case{"start none", none, {{}, {"Oops! You forgot to select a service to start."}}}});
    wizard_testing::expectCases<NetworkServicesChoices>(generateStopService, {
        Case{"stop", chosen, {{R"(NET STOP "Print Spooler")"}, {}}}});
    wizard_testing::expectCases<NetworkServicesChoices>(generatePauseService, {
        Case{"pause", chosen, {{R"(NET PAUSE "SIMPLE TCP/IP SERVICES")"}, {}}},
        Case{"pause none", none, {{}, {"Oops! You forgot to select a service to pause."}}}});
    wizard_testing::expectCases<NetworkServicesChoices>(generateContinueService, {
        Case{"continue", chosen, {{R"(NET CONTINUE "SIMPLE TCP/IP SERVICES")"}, {}}}});
}
