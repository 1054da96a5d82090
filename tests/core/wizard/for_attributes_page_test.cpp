#include "core/wizard/for_attributes_page.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

using namespace core::wizard;
using testing_support::GeneratorCase;
using testing_support::GeneratorHarness;
using testing_support::Lines;

namespace {
// Two files that exist here (their short form is the path itself) and one
// that does not (its short form is the conventional alias, never empty).
struct ForFiles {
    GeneratorHarness harness;
    std::string one = harness.dir.write("ONE.TXT", "1");
    std::string two = harness.dir.write("TWO.TXT", "2");
};
} // namespace

TEST(ForStatement, ListsShortFormsInMemoOrder) {
    struct Case {
        const char* what;
        bool cancel;
        Lines extra;
        std::string expected;
    } cases[] = {
        {"%%f inserted", false, {}, "FOR %%f IN ({1} {2}) DO DEL %%f /P"},
        {"Cancel joins command and arguments", true, {}, "FOR %%f IN ({1} {2}) DO DEL/P"},
        {"missing file keeps its alias", false, {"C:\\My Files\\Long Name.txt"},
         "FOR %%f IN ({1} {2} C:\\MYFILE~1\\LONGNA~1.TXT) DO DEL %%f /P"},
    };
    for (const auto& c : cases) {
        ForFiles f;
        ForAttributesChoices page;
        page.Memo5 = {f.one, f.two};
        page.Memo5.insert(page.Memo5.end(), c.extra.begin(), c.extra.end());
        page.ComboBox1 = "DEL";
        page.Edit26 = "/P";
        page.CheckBox43 = c.cancel;
        auto expected = c.expected;
        expected.replace(expected.find("{1}"), 3, f.one);
        expected.replace(expected.find("{2}"), 3, f.two);
        EXPECT_EQ(f.harness.run(page, generateForStatement).lines, Lines{expected}) << c.what;
    }
}

TEST(ForStatement, EmptyMemoGivesEmptyParentheses) {
    using Case = GeneratorCase<ForAttributesChoices>;
    testing_support::expectCases<ForAttributesChoices>(generateForStatement, {
        Case{"no line", [](auto& p) { p.ComboBox1 = "TYPE"; }, {{"FOR %%f IN () DO TYPE %%f "}, {}}},
        Case{"one empty line", [](auto& p) { p.Memo5 = {""}; p.CheckBox43 = true; }, {{"FOR %%f IN () DO "}, {}}},
    });
}

TEST(Attributes, EveryAttributeSetOrClearedInTheOrderARSH) {
    using Case = GeneratorCase<ForAttributesChoices>;
    const Lines files = {"C:\\DATA\\A.TXT", "C:\\Program Files\\My Backup.bat"};
    testing_support::expectCases<ForAttributesChoices>(generateAttributes, {
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
    testing_support::expectCases<ForAttributesChoices>(generateSubst, {
        Case{"letter and path", [](auto& p) { p.Edit33 = "C:\\WORK"; p.ComboBox5 = "K"; }, {{"SUBST K: C:\\WORK"}, {}}},
        Case{"path as typed", [](auto& p) { p.Edit33 = "C:\\My Work"; p.ComboBox5 = "Z"; },
             {{"SUBST Z: C:\\My Work"}, {}}},
        Case{"no letter", [](auto& p) { p.Edit33 = "C:\\WORK"; },
             {{}, {"Oops! You forgot to select the drive letter that will replace the full path."}}},
        Case{"no path", [](auto& p) { p.ComboBox5 = "K"; },
             {{}, {"Oops! You forgot to enter the path that you want to substitute a drive letter for."}}},
    });
}

TEST(ForAttributesPage, ItemLists) {
    EXPECT_EQ(substDriveLetters().size(), 23u);
    EXPECT_EQ(substDriveLetters().front() + substDriveLetters().back(), "DZ");
    Lines suggestions(forCommandSuggestions().begin(), forCommandSuggestions().end());
    EXPECT_EQ(suggestions, (Lines{"COPY", "XCOPY", "MOVE", "RENAME", "TYPE", "DEL", "START", "ATTRIB", "IF",
                                  "IF NOT", "IF EXIST", "IF NOT EXIST"}));
}
