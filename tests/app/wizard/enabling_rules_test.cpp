// The pages' enabling rules: click controls, read what the others show.
#include "easy_harness.h"

#include "app/wizard/wizard_widgets.h"
#include "core/wizard/enabling_rules.h"

#include <QComboBox>
#include <QLabel>

namespace {

using app::wizard::Shade;
using easy_test::Easy;

} // namespace

// The rules themselves are tested headless in core; here, every control they
// name is a widget of the window (a misspelt name would be skipped silently),
// and a click reaches the widgets: their state and their shade.
TEST(EasyEnablingRules, EveryRuledControlIsInTheWindowAndAClickReachesIt) {
    Easy w;
    core::wizard::WizardPages pages;
    const auto states = core::wizard::enabledStates(pages);
    EXPECT_GE(states.size(), 30u); // one per rule of the table
    for (const auto& state : states)
        EXPECT_NE(w.easy.findChild<QWidget*>(QString::fromStdString(state.name)), nullptr) << state.name;
    EXPECT_TRUE(w.enabled("Edit12"));
    EXPECT_EQ(app::wizard::shadeOf(w.find("Edit7")), Shade::InactiveCaption);
    w.click("RadioButton42");
    EXPECT_FALSE(w.enabled("Edit12"));
    EXPECT_EQ(app::wizard::shadeOf(w.find("Edit12")), Shade::Greyed);
    w.click("RadioButton6");
    EXPECT_EQ(app::wizard::shadeOf(w.find("Edit7")), Shade::Window);
}

// The target choice is stored at once; under Windows a DOS-only control is off
// with its reason as tooltip, and back on, without it, under the classic target.
TEST(EasyEnablingRules, TheTargetChoiceIsStoredAndTurnsDosOnlyControlsOff) {
    Easy w;
    auto* target = w.find<QComboBox>("WizardTarget");
    EXPECT_EQ(w.settings.readText("Options", "WizardTarget", ""), "classic");
    EXPECT_TRUE(w.enabled("RadioButton32"));
    target->setCurrentIndex(target->findData(static_cast<int>(core::wizard::Target::Windows)));
    EXPECT_EQ(w.settings.readText("Options", "WizardTarget", ""), "windows");
    EXPECT_FALSE(w.enabled("RadioButton32"));
    EXPECT_TRUE(w.find("RadioButton32")->toolTip().contains("LPT1"));
    EXPECT_FALSE(w.enabled("CheckBox45"));
    target->setCurrentIndex(target->findData(static_cast<int>(core::wizard::Target::Classic)));
    EXPECT_TRUE(w.enabled("RadioButton32"));
    EXPECT_TRUE(w.find("RadioButton32")->toolTip().isEmpty());
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
