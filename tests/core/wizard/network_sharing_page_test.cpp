#include "core/wizard/network_sharing_page.h"

#include "generator_cases.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorCase;
using wizard_testing::Lines;
using Case = GeneratorCase<NetworkSharingChoices>;

namespace {
void docsShare(NetworkSharingChoices& p) {
    p.RadioButton43 = true;
    p.Edit25 = "DOCS";
    p.Edit27 = "C:\\Data";
    p.CSpinEdit1 = 5;
}
} // namespace

TEST(Share, CreateOrRemoveLimitedOrUnlimited) {
    const auto unlimited = [](auto& p) {
        docsShare(p);
        p.RadioButton45 = false;
        p.RadioButton46 = true;
    };
    const auto remove = [](auto& p) {
        p.RadioButton43 = false;
        p.RadioButton44 = true;
        p.Edit28 = "Team";
        p.ComboBox2 = "Disabled";
    };
    wizard_testing::expectCases<NetworkSharingChoices>(generateShare, {
        Case{"second cache item", [](auto& p) { docsShare(p); p.ComboBox2 = "Enabled, Manual re-integrate"; },
             {{R"(NET SHARE DOCS="C:\Data" /USERS:5 /CACHE:Manual)"}, {}}},
        Case{"unlimited, third item", [&](auto& p) { unlimited(p); p.ComboBox2 = "Disabled"; },
             {{R"(NET SHARE DOCS="C:\Data" /UNLIMITED /CACHE:No)"}, {}}},
        Case{"remove keeps the user limit", [&](auto& p) { docsShare(p); remove(p); },
             {{R"(NET SHARE DOCS="C:\Data" /USERS:5 /DELETE)"}, {}}},
        Case{"remove keeps /UNLIMITED", [&](auto& p) { unlimited(p); remove(p); },
             {{R"(NET SHARE DOCS="C:\Data" /UNLIMITED /DELETE)"}, {}}},
        Case{"no users choice", [](auto& p) { docsShare(p); p.RadioButton45 = false; }, {}},
        Case{"no name", [](auto& p) { docsShare(p); p.Edit25.clear(); p.Edit27.clear(); },
             {{}, {"Oops! You forgot to enter the name that the share will be known by."}}},
        Case{"no path", [](auto& p) { docsShare(p); p.Edit27.clear(); },
             {{}, {"Oops! You forgot to enter the path to the folder you want to share."}}},
    });
}

TEST(Connection, DevicePasswordAndUserParts) {
    const auto connect = [](auto& p) {
        p.RadioButton47 = true;
        p.Edit29 = "Z:";
        p.Edit30 = "\\\\SERVER\\DOCS";
        p.Edit31 = "secret";
    };
    const auto disconnect = [&](auto& p) {
        connect(p);
        p.RadioButton47 = false;
        p.RadioButton48 = true;
    };
    wizard_testing::expectCases<NetworkSharingChoices>(generateConnection, {
        Case{"connect", connect, {{R"(NET USE Z: "\\SERVER\DOCS" secret)"}, {}}},
        Case{"next available, prompt, no user", [&](auto& p) {
                 connect(p);
                 p.RadioButton49 = false;
                 p.RadioButton50 = p.CheckBox31 = true;
             }, {{R"(NET USE * "\\SERVER\DOCS" *)"}, {}}},
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
    text = "\\\\PC\\C";   // typed text stays on both
    enterNetworkPath(text);
    leaveNetworkPath(text);
    EXPECT_EQ(text, "\\\\PC\\C");
}
