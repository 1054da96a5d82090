// The pages' enabling rules: click controls, read what the others show.
#include "easy_harness.h"

#include "app/wizard/wizard_widgets.h"

#include <QComboBox>
#include <QLabel>

namespace {

using app::wizard::Shade;
using easy_test::Easy;

struct RuleCase {
    const char* title;
    std::vector<const char*> clicks;
    std::vector<std::pair<const char*, bool>> enabled;
    std::vector<std::pair<const char*, Shade>> shades;
};

void runCases(const std::vector<RuleCase>& cases) {
    for (const auto& rule : cases) {
        SCOPED_TRACE(rule.title);
        Easy w;
        for (const char* name : rule.clicks) w.click(name);
        std::vector<std::pair<const char*, bool>> seen;
        for (const auto& [name, wanted] : rule.enabled) seen.emplace_back(name, w.enabled(name));
        EXPECT_EQ(seen, rule.enabled);
        std::vector<std::pair<const char*, Shade>> shades;
        for (const auto& [name, wanted] : rule.shades) shades.emplace_back(name, app::wizard::shadeOf(w.find(name)));
        EXPECT_EQ(shades, rule.shades);
    }
}

} // namespace

TEST(EasyEnablingRules, FileOperations) {
    const std::vector<std::pair<const char*, bool>> copyOptionsOff = {
        {"CheckBox1", true},      {"RadioButton21", false}, {"RadioButton22", false}, {"RadioButton23", false},
        {"RadioButton25", false}, {"CheckBox16", false},    {"CheckBox17", false},    {"CheckBox18", false},
        {"CheckBox19", false},    {"CheckBox20", false}};
    auto moveOff = copyOptionsOff;
    moveOff[0].second = false;
    auto directoryOn = copyOptionsOff;
    for (auto& entry : directoryOn) entry.second = true;
    runCases({
        {"Copy File(s)", {"CheckBox4"}, copyOptionsOff, {}},
        {"Move File(s)", {"CheckBox5"}, moveOff, {}},
        {"Copy Directory after Move", {"CheckBox5", "RadioButton24"}, directoryOn, {}},
        {"Rename file after Create",
         {"RadioButton42", "CheckBox13"},
         {{"Edit12", true}, {"Button9", true}, {"Edit14", true}},
         {{"Edit12", Shade::Window}, {"Edit14", Shade::Window}}},
        {"Rename directory",
         {"RadioButton57"},
         {{"Edit12", true}, {"Button9", true}, {"Edit14", false}},
         {{"Edit12", Shade::Window}, {"Edit14", Shade::Greyed}}},
        {"Create new directory",
         {"RadioButton42"},
         {{"Edit12", false}, {"Button9", false}, {"Edit14", false}},
         {{"Edit12", Shade::Greyed}, {"Edit14", Shade::Greyed}}},
        {"Delete switches change nothing else",
         {"CheckBox4", "CheckBox2", "CheckBox15"},
         {{"CheckBox1", true}, {"RadioButton21", false}, {"Memo2", true}},
         {}},
    });
}

TEST(EasyEnablingRules, UserInteraction) {
    runCases({
        {"At start",
         {},
         {{"RadioButton3", false}, {"RadioButton4", false}, {"RadioButton5", false}, {"MaskEdit4", false},
          {"Edit7", false}, {"Button3", false}, {"Edit9", false}},
         {{"Edit7", Shade::InactiveCaption}, {"Edit9", Shade::InactiveCaption}}},
        {"Time delay on",
         {"CheckBox8"},
         {{"RadioButton3", true}, {"RadioButton4", true}, {"RadioButton5", true}, {"MaskEdit4", true}},
         {}},
        {"Time delay on with the third choice unused",
         {"CheckBox14", "CheckBox8"},
         {{"RadioButton5", false}, {"MaskEdit3", false}, {"RadioButton10", false}, {"RadioButton11", false},
          {"RadioButton14", false}, {"Edit8", false}, {"Edit11", false}, {"Button5", false}},
         {}},
        {"Third choice back in use during a delay",
         {"CheckBox8", "CheckBox14", "CheckBox14"},
         {{"RadioButton5", true}, {"MaskEdit3", true}, {"Edit8", true}, {"Edit11", true}, {"Button5", false}},
         {}},
        {"Third choice back in use with Run Program selected",
         {"RadioButton10", "CheckBox14", "CheckBox14"},
         {{"Button5", true}, {"RadioButton5", false}},
         {}},
        {"Run Program",
         {"RadioButton6"},
         {{"Edit7", true}, {"Button3", true}, {"Edit9", false}},
         {{"Edit7", Shade::Window}, {"Edit9", Shade::InactiveCaption}}},
        {"Display Message",
         {"RadioButton9"},
         {{"Edit6", false}, {"Button4", false}, {"Edit10", true}},
         {{"Edit6", Shade::InactiveCaption}, {"Edit10", Shade::Window}}},
        {"Nothing after Run Program",
         {"RadioButton10", "RadioButton14"},
         {{"Edit8", false}, {"Button5", false}, {"Edit11", false}},
         {{"Edit8", Shade::InactiveCaption}, {"Edit11", Shade::InactiveCaption}}},
    });
}

TEST(EasyEnablingRules, ShutdownDependsOnTheOperatingSystem) {
    const auto delay = [](bool on) {
        return std::vector<std::pair<const char*, bool>>{
            {"RadioButton30", true}, {"Label52", on}, {"CSpinEdit2", on}, {"Label53", on}};
    };
    auto nt = delay(true);
    nt[0].second = false;
    runCases({
        {"At start (Windows 95/98/ME)", {}, delay(false), {}},
        {"Windows NT (RK)/2000", {"RadioButton58"}, nt, {}},
        {"Windows XP or later", {"RadioButton58", "RadioButton27"}, delay(true), {}},
    });
}

TEST(EasyEnablingRules, NetworkPages) {
    runCases({
        {"HOME directory",
         {"CheckBox30"},
         {{"Edit30", false}, {"Button20", false}, {"CheckBox32", false}, {"Edit32", false}},
         {{"Edit30", Shade::Greyed}}},
        {"Prompt for the password", {"CheckBox31"}, {{"Edit31", false}}, {{"Edit31", Shade::Greyed}}},
        {"Services list at start", {}, {{"ComboBox3", false}}, {}},
        {"Stopping a service", {"RadioButton52"}, {{"ComboBox3", true}}, {}},
    });
}

TEST(EasyEnablingRules, CopyDirectoryEmptiesTheSources) {
    Easy w;
    w.setMemo("Memo1", {"C:\\A.TXT"});
    w.click("RadioButton24");
    EXPECT_EQ(w.find<QPlainTextEdit>("Memo1")->toPlainText(), "");
}

TEST(EasyEnablingRules, PanelsToggleTheirCheckBoxFromAnyLabel) {
    Easy w;
    for (const char* box : {"CheckBox11", "CheckBox12", "CheckBox22"}) {
        SCOPED_TRACE(box);
        auto* panel = w.find(QByteArray("Panel").append(box).constData());
        w.easy.setWizardPage(QByteArray(box) == "CheckBox22" ? 4 : 3);
        QApplication::processEvents();
        QStringList states;
        for (auto* line : panel->findChildren<QLabel*>()) {
            QTest::mouseClick(line, Qt::LeftButton, {}, line->rect().center());
            states << (w.checked(box) ? "on" : "off");
        }
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(2, 2));
        states << (w.checked(box) ? "on" : "off");
        QStringList wanted;
        for (qsizetype i = 0; i < states.size(); ++i) wanted << (i % 2 == 0 ? "on" : "off");
        EXPECT_EQ(states, wanted);
    }
}

TEST(EasyEnablingRules, TheNetworkPathPlaceholderLeavesAndComesBack) {
    Easy w;
    auto* path = w.find<QLineEdit>("Edit30");
    w.easy.setWizardPage(7);
    w.easy.setNetworkPage(1);
    w.easy.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(path->text(), "\\\\ComputerName\\Share Name");
    path->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(path->text(), "");
    w.find("Edit29")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(path->text(), "\\\\ComputerName\\Share Name");
}
