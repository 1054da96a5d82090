#include "core/wizard/other_network_page.h"

#include "generator_cases.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorCase;
using Case = GeneratorCase<OtherNetworkChoices>;

TEST(Message, NameDomainOrAllUsers) {
    const auto hello = [](auto& p) { p.Edit34 = "Back at 3"; };
    wizard_testing::expectCases<OtherNetworkChoices>(generateMessage, {
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
    wizard_testing::expectCases<OtherNetworkChoices>(generateTimeSync, {
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
    wizard_testing::expectCases<OtherNetworkChoices>(generateRunAs, {
        Case{"with arguments", [](auto& p) {
                 p.Edit42 = "OFFICE\\admin";
                 p.Edit40 = "C:\\WINNT\\NOTEPAD.EXE";
                 p.Edit41 = "C:\\BOOT.INI";
             }, {{R"(RUNAS /USER:OFFICE\admin "C:\WINNT\NOTEPAD.EXE C:\BOOT.INI")"}, {}}},
        Case{"no arguments", [](auto& p) { p.Edit42 = "admin@office"; p.Edit40 = "CMD"; },
             {{R"(RUNAS /USER:admin@office "CMD ")"}, {}}},
        Case{"no user", [](auto& p) { p.Edit40 = "CMD"; },
             {{}, {"Oops! You forgot to enter the name of the user who you want to run the command as."}}},
    });
}
