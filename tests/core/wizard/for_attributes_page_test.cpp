#include "core/wizard/for_attributes_page.h"

#include "generator_cases.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using wizard_testing::GeneratorCase;
using wizard_testing::GeneratorHarness;
using wizard_testing::Lines;

TEST(ForStatement, ListsShortFormsInMemoOrder) {
    struct Case {
        const char* what;
        bool cancel;
        Lines files;
        std::string expected;
    } cases[] = {
        {"%%f inserted", false, {"C:\\Data Files\\One.txt", "C:\\TWO.TXT"},
         "FOR %%f IN (C:\\DATAFI~2\\ONE.TXT C:\\TWO.TXT) DO DEL %%f /P"},
        {"Cancel joins command and arguments", true, {"C:\\Data Files\\One.txt", "C:\\TWO.TXT"},
         "FOR %%f IN (C:\\DATAFI~2\\ONE.TXT C:\\TWO.TXT) DO DEL/P"},
        {"a file missing here keeps its alias", false, {"C:\\TWO.TXT", "C:\\My Files\\Long Name.txt"},
         "FOR %%f IN (C:\\TWO.TXT C:\\MYFILE~1\\LONGNA~1.TXT) DO DEL %%f /P"},
    };
    for (const auto& c : cases) {
        GeneratorHarness harness;
        harness.files.existing = {{"C:\\Data Files\\One.txt", "C:\\DATAFI~2\\ONE.TXT"}, {"C:\\TWO.TXT", "C:\\TWO.TXT"}};
        ForAttributesChoices page;
        page.Memo5 = c.files;
        page.ComboBox1 = "DEL";
        page.Edit26 = "/P";
        page.CheckBox43 = c.cancel;
        EXPECT_EQ(wizard_testing::runOn(harness, page, generateForStatement).first, Lines{c.expected}) << c.what;
    }
}

TEST(ForStatement, EmptyMemoGivesEmptyParentheses) {
    using Case = GeneratorCase<ForAttributesChoices>;
    wizard_testing::expectCases<ForAttributesChoices>(generateForStatement, {
        Case{"no line", [](auto& p) { p.ComboBox1 = "TYPE"; }, {{"FOR %%f IN () DO TYPE %%f "}, {}}},
        Case{"one empty line", [](auto& p) { p.Memo5 = {""}; p.CheckBox43 = true; }, {{"FOR %%f IN () DO "}, {}}},
    });
}

TEST(Attributes, EveryAttributeSetOrClearedInTheOrderARSH) {
    using Case = GeneratorCase<ForAttributesChoices>;
    const Lines files = {"C:\\DATA\\A.TXT", "C:\\Program Files\\My Backup.bat"};
    wizard_testing::expectCases<ForAttributesChoices>(generateAttributes, {
        Case{"only Hidden", [&](auto& p) { p.Memo9 = files; p.CheckBox40 = true; },
             {{"ATTRIB -A -R -S +H C:\\DATA\\A.TXT", "ATTRIB -A -R -S +H C:\\PROGRA~1\\MYBACK~1.BAT"}, {}}},
        Case{"all four", [&](auto& p) {
                 p.Memo9 = {files[0]};
                 p.CheckBox38 = p.CheckBox39 = p.CheckBox40 = p.CheckBox41 = true;
             }, {{"ATTRIB +A +R +S +H C:\\DATA\\A.TXT"}, {}}},
        Case{"Read Only and System", [&](auto& p) { p.Memo9 = {files[0]}; p.CheckBox38 = p.CheckBox41 = true; },
             {{"ATTRIB -A +R +S -H C:\\DATA\\A.TXT"}, {}}},
        Case{"empty memo", [](auto& p) { p.Memo9 = {""}; p.CheckBox39 = true; }, {}},
    });
}

TEST(Subst, LetterAndPathOrAWarning) {
    using Case = GeneratorCase<ForAttributesChoices>;
    wizard_testing::expectCases<ForAttributesChoices>(generateSubst, {
        Case{"path as typed", [](auto& p) { p.Edit33 = "C:\\My Work"; p.ComboBox5 = "Z"; },
             {{"SUBST Z: C:\\My Work"}, {}}},
        Case{"no letter", [](auto& p) { p.Edit33 = "C:\\WORK"; },
             {{}, {"Oops! You forgot to select the drive letter that will replace the full path."}}},
        Case{"no path", [](auto& p) { p.ComboBox5 = "K"; },
             {{}, {"Oops! You forgot to enter the path that you want to substitute a drive letter for."}}},
    });
}
