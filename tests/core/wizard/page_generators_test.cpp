// The generators of the variables, FOR, network and server pages, and the
// services list those pages offer.
#include "core/settings/memory_settings_store.h"
#include "core/wizard/for_attributes_page.h"
#include "core/wizard/network_services_page.h"
#include "core/wizard/network_sharing_page.h"
#include "core/wizard/other_network_page.h"
#include "core/wizard/server_page.h"
#include "core/wizard/update_flow.h"
#include "core/wizard/variables_page.h"
#include "generator_harness.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace core::wizard;
using wizard_testing::expectCases;
using wizard_testing::GeneratorCase;
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

TEST(IfStatement, LineByConditionAndAction) {
    using Case = GeneratorCase<VariablesChoices>;
    const auto compare = [](VariablesChoices& p) {
        p.RadioButton37 = p.RadioButton39 = true;
        std::tie(p.Edit19, p.Edit20, p.Edit23) = std::tuple("%NAME%", "YES", "ECHO HI");
    };
    expectCases<VariablesChoices>(generateIfStatement, {
        Case{"compare, run", compare, {{"IF %NAME%==YES ECHO HI"}, {}}},
        Case{"compare, false", [&](auto& p) { compare(p); p.CheckBox28 = true; }, {{"IF NOT %NAME%==YES ECHO HI"}, {}}},
        Case{"file missing, goto",
             [](auto& p) { p.RadioButton38 = p.RadioButton40 = p.CheckBox28 = true; p.Edit21 = "C:\\A.TXT"; p.Edit24 = "END"; },
             {{"IF NOT EXIST C:\\A.TXT GOTO END"}, {}}},
        Case{"directory, goto", [](auto& p) { p.RadioButton41 = p.RadioButton40 = true; p.Edit22 = "C:\\TEMP\\"; p.Edit24 = "END"; },
             {{"IF EXIST C:\\TEMP\\NULL GOTO END"}, {}}},
        Case{"empty fields as typed", [](auto& p) { p.RadioButton38 = p.RadioButton39 = true; }, {{"IF EXIST  "}, {}}},
        Case{"no action", [](auto& p) { p.RadioButton37 = true; }, {}},
        Case{"no condition", [](auto& p) { p.RadioButton39 = true; p.Edit23 = "ECHO HI"; }, {}},
    });
}

// The short forms come from the file system (~2 here), in memo order; Cancel
// joins command and arguments; an empty memo gives empty parentheses.
TEST(ForStatement, ListsShortFormsInMemoOrder) {
    for (const bool cancel : {false, true}) {
        GeneratorHarness harness;
        harness.files.shortForms = {{"C:\\Data Files\\One.txt", "C:\\DATAFI~2\\ONE.TXT"}, {"C:\\TWO.TXT", "C:\\TWO.TXT"}};
        ForAttributesChoices page;
        page.Memo5 = {"C:\\Data Files\\One.txt", "C:\\TWO.TXT"};
        std::tie(page.ComboBox1, page.Edit26, page.CheckBox43) = std::tuple("DEL", "/P", cancel);
        generateForStatement(page, harness.context);
        EXPECT_EQ(harness.result().lines, Lines{std::string("FOR %%f IN (C:\\DATAFI~2\\ONE.TXT C:\\TWO.TXT) DO ") +
                                                (cancel ? "DEL/P" : "DEL %%f /P")});
    }
    using Case = GeneratorCase<ForAttributesChoices>;
    expectCases<ForAttributesChoices>(generateForStatement, {
        Case{"no line", [](auto& p) { p.ComboBox1 = "TYPE"; }, {{"FOR %%f IN () DO TYPE %%f "}, {}}},
        Case{"one empty line", [](auto& p) { p.Memo5 = {""}; p.CheckBox43 = true; }, {{"FOR %%f IN () DO "}, {}}},
    });
}

TEST(Attributes, EveryAttributeSetOrClearedInTheOrderARSH) {
    using Case = GeneratorCase<ForAttributesChoices>;
    const Lines files = {"C:\\DATA\\A.TXT", "C:\\Program Files\\My Backup.bat"};
    expectCases<ForAttributesChoices>(generateAttributes, {
        Case{"only Hidden", [&](auto& p) { p.Memo9 = files; p.CheckBox40 = true; },
             {{"ATTRIB -A -R -S +H C:\\DATA\\A.TXT", "ATTRIB -A -R -S +H C:\\PROGRA~1\\MYBACK~1.BAT"}, {}}},
        Case{"all four", [&](auto& p) { p.Memo9 = {files[0]}; p.CheckBox38 = p.CheckBox39 = p.CheckBox40 = p.CheckBox41 = true; },
             {{"ATTRIB +A +R +S +H C:\\DATA\\A.TXT"}, {}}},
        Case{"empty memo", [](auto& p) { p.Memo9 = {""}; p.CheckBox39 = true; }, {}},
    });
}

TEST(Subst, LetterAndPathOrAWarning) {
    using Case = GeneratorCase<ForAttributesChoices>;
    expectCases<ForAttributesChoices>(generateSubst, {
        Case{"path as typed", [](auto& p) { p.Edit33 = "C:\\My Work"; p.ComboBox5 = "Z"; },
             {{"SUBST Z: C:\\My Work"}, {}}},
        Case{"no letter", [](auto& p) { p.Edit33 = "C:\\WORK"; },
             {{}, {"Oops! You forgot to select the drive letter that will replace the full path."}}},
        Case{"no path", [](auto& p) { p.ComboBox5 = "K"; },
             {{}, {"Oops! You forgot to enter the path that you want to substitute a drive letter for."}}},
    });
}

TEST(Share, CreateOrRemoveLimitedOrUnlimited) {
    using Case = GeneratorCase<NetworkSharingChoices>;
    const auto docs = [](NetworkSharingChoices& p) {
        p.RadioButton43 = true;
        std::tie(p.Edit25, p.Edit27, p.CSpinEdit1) = std::tuple("DOCS", "C:\\Data", 5);
    };
    expectCases<NetworkSharingChoices>(generateShare, {
        Case{"second cache item", [&](auto& p) { docs(p); p.ComboBox2 = "Enabled, Manual re-integrate"; },
             {{R"(NET SHARE DOCS="C:\Data" /USERS:5 /CACHE:Manual)"}, {}}},
        Case{"unlimited, third item", [&](auto& p) { docs(p); p.RadioButton45 = false; p.RadioButton46 = true; p.ComboBox2 = "Disabled"; },
             {{R"(NET SHARE DOCS="C:\Data" /UNLIMITED /CACHE:No)"}, {}}},
        Case{"remove keeps the user limit",
             [&](auto& p) { docs(p); p.RadioButton43 = false; p.RadioButton44 = true; p.Edit28 = "Team"; p.ComboBox2 = "Disabled"; },
             {{R"(NET SHARE DOCS="C:\Data" /USERS:5 /DELETE)"}, {}}},
        Case{"no users choice", [&](auto& p) { docs(p); p.RadioButton45 = false; }, {}},
        Case{"no name", [&](auto& p) { docs(p); p.Edit25.clear(); p.Edit27.clear(); },
             {{}, {"Oops! You forgot to enter the name that the share will be known by."}}},
        Case{"no path", [&](auto& p) { docs(p); p.Edit27.clear(); },
             {{}, {"Oops! You forgot to enter the path to the folder you want to share."}}},
    });
}

TEST(Connection, DevicePasswordAndUserParts) {
    using Case = GeneratorCase<NetworkSharingChoices>;
    const auto connect = [](NetworkSharingChoices& p) {
        p.RadioButton47 = true;
        std::tie(p.Edit29, p.Edit30, p.Edit31) = std::tuple("Z:", "\\\\SERVER\\DOCS", "secret");
    };
    const auto disconnect = [&](NetworkSharingChoices& p) { connect(p); p.RadioButton47 = false; p.RadioButton48 = true; };
    expectCases<NetworkSharingChoices>(generateConnection, {
        Case{"connect", connect, {{R"(NET USE Z: "\\SERVER\DOCS" secret)"}, {}}},
        Case{"next available, prompt, no user", [&](auto& p) { connect(p); p.RadioButton49 = false; p.RadioButton50 = p.CheckBox31 = true; },
             {{R"(NET USE * "\\SERVER\DOCS" *)"}, {}}},
        Case{"HOME leaves out path and user", [&](auto& p) { connect(p); p.CheckBox30 = p.CheckBox32 = true; },
             {{"NET USE Z: secret /HOME"}, {}}},
        Case{"disconnect HOME writes the password", [&](auto& p) { disconnect(p); p.CheckBox30 = true; },
             {{"NET USE Z: secret /HOME /DELETE"}, {}}},
        Case{"disconnect", [&](auto& p) { disconnect(p); p.CheckBox32 = true; p.Edit32 = "bob"; },
             {{R"(NET USE Z: "\\SERVER\DOCS" secret /USER:bob /DELETE)"}, {}}},
        Case{"placeholder and empty fields as typed", [](auto& p) { p.RadioButton47 = true; },
             {{R"(NET USE  "\\ComputerName\Share Name" )"}, {}}},
    });
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
        GeneratorHarness none, chosen;
        generateSection(code, pages, none.context);
        pages.networkServices.ComboBox3 = "Print Spooler";
        pages.networkServices.ComboBox4 = "SIMPLE TCP/IP SERVICES";
        generateSection(code, pages, chosen.context);
        EXPECT_EQ(none.result(), (wizard_testing::Generated{{}, {warning}})) << code;
        EXPECT_EQ(chosen.result(), (wizard_testing::Generated{{line}, {}})) << code;
    }
}

TEST(Message, NameDomainOrAllUsers) {
    using Case = GeneratorCase<OtherNetworkChoices>;
    const auto hello = [](OtherNetworkChoices& p) { p.Edit34 = "Back at 3"; };
    expectCases<OtherNetworkChoices>(generateMessage, {
        Case{"wildcard unquoted", [&](auto& p) { hello(p); p.RadioButton59 = true; p.Edit35 = "*"; },
             {{R"(NET SEND * "Back at 3")"}, {}}},
        Case{"name quoted", [&](auto& p) { hello(p); p.RadioButton59 = true; p.Edit35 = "Bob Smith"; },
             {{R"(NET SEND "Bob Smith" "Back at 3")"}, {}}},
        Case{"domain", [&](auto& p) { hello(p); p.RadioButton60 = true; p.Edit36 = "SALES"; },
             {{R"(NET SEND /DOMAIN:SALES "Back at 3")"}, {}}},
        Case{"all users", [&](auto& p) { hello(p); p.RadioButton61 = true; }, {{R"(NET SEND /USERS "Back at 3")"}, {}}},
        Case{"no target", hello, {}},
    });
}

TEST(TimeSync, ThreeFormsAndTheirWarnings) {
    using Case = GeneratorCase<OtherNetworkChoices>;
    expectCases<OtherNetworkChoices>(generateTimeSync, {
        Case{"computer as typed", [](auto& p) { p.RadioButton62 = true; p.Edit37 = "\\\\CLOCK"; },
             {{"NET TIME \\\\CLOCK /SET"}, {}}},
        Case{"RTS domain", [](auto& p) { p.RadioButton64 = true; p.Edit39 = "SALES"; },
             {{"NET TIME /RTSDOMAIN:SALES /SET"}, {}}},
        Case{"no domain", [](auto& p) { p.RadioButton63 = true; },
             {{}, {"Oops! You forgot to enter a domain to synchronise time with."}}},
        Case{"no RTS domain", [](auto& p) { p.RadioButton64 = true; },
             {{}, {"Oops! You forgot to enter a domain for the synchronisation of the clock to the RTS Server on the "
                   "domain."}}},
        Case{"no source", [](auto& p) { p.Edit37 = "CLOCK"; }, {}},
    });
}

TEST(RunAs, ProgramAndArgumentsInOnePairOfQuotes) {
    using Case = GeneratorCase<OtherNetworkChoices>;
    expectCases<OtherNetworkChoices>(generateRunAs, {
        Case{"with arguments",
             [](auto& p) { std::tie(p.Edit42, p.Edit40, p.Edit41) = std::tuple("OFFICE\\admin", "C:\\WINNT\\NOTEPAD.EXE", "C:\\BOOT.INI"); },
             {{R"(RUNAS /USER:OFFICE\admin "C:\WINNT\NOTEPAD.EXE C:\BOOT.INI")"}, {}}},
        Case{"no arguments", [](auto& p) { p.Edit42 = "admin@office"; p.Edit40 = "CMD"; },
             {{R"(RUNAS /USER:admin@office "CMD ")"}, {}}},
        Case{"no user", [](auto& p) { p.Edit40 = "CMD"; },
             {{}, {"Oops! You forgot to enter the name of the user who you want to run the command as."}}},
    });
}

TEST(UserAccounts, EveryPartWithItsTrailingBlank) {
    using Case = GeneratorCase<ServerChoices>;
    const auto everything = [](ServerChoices& p) {
        p.CheckBox46 = p.CheckBox47 = p.CheckBox50 = true;
        p.CheckBox48 = p.CheckBox49 = false;
        std::tie(p.Edit43, p.Edit44, p.Edit45, p.Edit46, p.Edit50) = std::tuple("bob", "pw", "Bob Smith", "Sales", "New");
        std::tie(p.DateTimePicker1, p.Edit47, p.Edit48, p.Edit49) =
            std::tuple("31/12/2031", "\\\\SRV\\HOME\\BOB", "\\\\SRV\\PROFILES\\BOB", "LOGON.BAT");
        p.Memo10 = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    };
    expectCases<ServerChoices>(generateUserAccounts, {
        Case{"add with start values", [](auto& p) { p.Edit43 = "bob"; p.Edit44 = "pw"; p.RadioButton65 = true; },
             {{"NET USER bob pw /ADD /ACTIVE:YES /PASSWORDCHG:YES /EXPIRES:NEVER /TIMES:ALL "}, {}}},
        Case{"add with every part", [&](auto& p) { everything(p); p.RadioButton65 = true; },
             {{R"(NET USER bob * /ADD /ACTIVE:NO /PASSWORDCHG:NO /FULLNAME:"Bob Smith" /COMMENT:"Sales" )"
               R"(/EXPIRES:31/12/2031 /HOMEDIR:"\\SRV\HOME\BOB" /PROFILEPATH:"\\SRV\PROFILES\BOB" )"
               R"(/SCRIPTPATH:"LOGON.BAT" /WORKSTATIONS:A,B,C,D,E,F,G,H /USERCOMMENT:"New" /TIMES:ALL /DOMAIN)"},
              {}}},
        Case{"remove", [&](auto& p) { everything(p); p.RadioButton66 = true; }, {{"NET USER bob /DELETE /DOMAIN"}, {}}},
        Case{"remove, local", [](auto& p) { p.RadioButton66 = true; }, {{"NET USER  /DELETE "}, {}}},
        Case{"empty workstation memo", [](auto& p) { p.RadioButton67 = true; p.Memo10 = {""}; },
             {{"NET USER   /ACTIVE:YES /PASSWORDCHG:YES /EXPIRES:NEVER /TIMES:ALL "}, {}}},
        Case{"no action", everything, {}},
    });
}
