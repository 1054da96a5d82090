#include "core/wizard/server_page.h"

#include "generator_cases.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorCase;
using Case = GeneratorCase<ServerChoices>;

namespace {
void bob(ServerChoices& p) {
    p.Edit43 = "bob";
    p.Edit44 = "pw";
}
} // namespace

TEST(UserAccounts, EveryPartWithItsTrailingBlank) {
    const auto everything = [](ServerChoices& p) {
        bob(p);
        p.CheckBox46 = p.CheckBox47 = p.CheckBox50 = true;
        p.CheckBox48 = p.CheckBox49 = false;
        p.Edit45 = "Bob Smith";
        p.Edit46 = "Sales";
        p.DateTimePicker1 = "31/12/2031";
        p.Edit47 = "\\\\SRV\\HOME\\BOB";
        p.Edit48 = "\\\\SRV\\PROFILES\\BOB";
        p.Edit49 = "LOGON.BAT";
        p.Memo10 = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
        p.Edit50 = "New";
    };
    wizard_testing::expectCases<ServerChoices>(generateUserAccounts, {
        Case{"add with start values", [](auto& p) { bob(p); p.RadioButton65 = true; },
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
