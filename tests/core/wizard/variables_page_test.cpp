#include "core/wizard/variables_page.h"

#include "generator_cases.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorCase;
using wizard_testing::GeneratorHarness;
using wizard_testing::Lines;

TEST(SetVariables, OneLinePerFilledRowAndEachNameListedOnce) {
    GeneratorHarness harness;
    harness.lists.variables = {"path"};
    VariablesChoices page;
    page.StringGrid1[0] = {"NAME", "Bob"};
    page.StringGrid1[2] = {"DEST", "D:\\Backup"};
    page.StringGrid1[4] = {"", "orphan"};          // a value without a name still gives a line
    page.StringGrid1[5] = {"Name", ""};            // listed already, letter case ignored
    page.StringGrid1[9] = {"PATH", "C:\\"};
    EXPECT_EQ(wizard_testing::runOn(harness, page, generateSetVariables).first,
              (Lines{"SET NAME=Bob", "SET DEST=D:\\Backup", "SET =orphan", "SET Name=", "SET PATH=C:\\"}));
    EXPECT_EQ(harness.lists.variables, (Lines{"path", "NAME", "DEST", ""}));
    EXPECT_TRUE(harness.prompter.shown.empty());
}

TEST(SetVariables, EmptyGridWritesNothing) {
    GeneratorHarness harness;
    EXPECT_EQ(wizard_testing::runOn(harness, VariablesChoices{}, generateSetVariables), wizard_testing::GeneratorOutcome{});
    EXPECT_TRUE(harness.lists.variables.empty());
}

TEST(IfStatement, LineByConditionAndAction) {
    using Case = GeneratorCase<VariablesChoices>;
    const auto compare = [](VariablesChoices& p) {
        p.RadioButton37 = true;
        p.Edit19 = "%NAME%";
        p.Edit20 = "YES";
        p.RadioButton39 = true;
        p.Edit23 = "ECHO HI";
    };
    wizard_testing::expectCases<VariablesChoices>(generateIfStatement, {
        Case{"compare, run", compare, {{"IF %NAME%==YES ECHO HI"}, {}}},
        Case{"empty String 2", [&](auto& p) { compare(p); p.Edit20.clear(); }, {{"IF %NAME%== ECHO HI"}, {}}},
        Case{"compare, false", [&](auto& p) { compare(p); p.CheckBox28 = true; }, {{"IF NOT %NAME%==YES ECHO HI"}, {}}},
        Case{"file missing, goto", [](auto& p) {
                 p.RadioButton38 = p.RadioButton40 = p.CheckBox28 = true;
                 p.Edit21 = "C:\\A.TXT";
                 p.Edit24 = "END";
             }, {{"IF NOT EXIST C:\\A.TXT GOTO END"}, {}}},
        Case{"directory, goto", [](auto& p) {
                 p.RadioButton41 = p.RadioButton40 = true;
                 p.Edit22 = "C:\\TEMP\\";
                 p.Edit24 = "END";
             }, {{"IF EXIST C:\\TEMP\\NULL GOTO END"}, {}}},
        Case{"all empty fields", [](auto& p) { p.RadioButton38 = p.RadioButton39 = true; }, {{"IF EXIST  "}, {}}},
        Case{"no action", [](auto& p) { p.RadioButton37 = true; }, {}},
        Case{"no condition", [](auto& p) { p.RadioButton39 = true; p.Edit23 = "ECHO HI"; }, {}},
    });
}
