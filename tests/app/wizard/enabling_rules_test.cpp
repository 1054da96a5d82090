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

// The rules themselves are tested headless in core; these cases check that a
// click on each page, and a reset, reach the widgets (frames, labels, shades).
TEST(EasyEnablingRules, ClicksReachTheWidgetsOfEveryPage) {
    runCases({
        {"At start",
         {},
         {{"CheckBox1", true}, {"RadioButton21", true}, {"RadioButton3", false}, {"MaskEdit4", false},
          {"Edit7", false}, {"Label53", false}, {"ComboBox3", false}},
         {{"Edit7", Shade::InactiveCaption}, {"Edit12", Shade::Window}}},
        {"Move File(s)", {"CheckBox5"}, {{"CheckBox1", false}, {"RadioButton21", false}, {"CheckBox17", false}}, {}},
        {"Copy Directory after Move", {"CheckBox5", "RadioButton24"}, {{"CheckBox1", true}, {"RadioButton25", true}}, {}},
        {"Create new directory",
         {"RadioButton42"},
         {{"Edit12", false}, {"Button9", false}, {"Edit14", false}},
         {{"Edit12", Shade::Greyed}, {"Edit14", Shade::Greyed}}},
        {"Time delay with the third choice unused",
         {"CheckBox14", "CheckBox8"},
         {{"RadioButton4", true}, {"RadioButton5", false}, {"MaskEdit3", false}, {"Button5", false}},
         {}},
        {"Run Program", {"RadioButton6"}, {{"Edit7", true}, {"Button3", true}}, {{"Edit7", Shade::Window}}},
        {"Windows NT (RK)/2000", {"RadioButton58"}, {{"RadioButton30", false}, {"CSpinEdit2", true}}, {}},
        {"HOME directory", {"CheckBox30"}, {{"Edit30", false}, {"Edit32", false}}, {{"Edit30", Shade::Greyed}}},
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
