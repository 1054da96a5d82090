// "Reset Choices" on each page and on all of them; the Browse buttons with
// scripted dialogs; adding a network service.
#include "easy_harness.h"

#include "core/settings/list_files.h"
#include "support/case_file.h"

#include <QComboBox>

#include <filesystem>

namespace {

using easy_test::Easy;

// One text field per page or network page, each cleared by its own page's reset.
const char* const PAGE_FIELDS[] = {"Edit4", "Edit5", "Edit2", "Edit15", "Edit19", "Edit33", "Edit25", "Edit34", "Edit43"};

void fillEveryPage(Easy& w) {
    for (const char* field : PAGE_FIELDS) w.type(field, "X");
    w.click("CheckBox16"); // an XCOPY option
    w.click("CheckBox5");  // Verify out of play
    w.click("CheckBox8");  // default-key buttons in play
    w.click("RadioButton51");
}

void reset(Easy& w, const char* answer) {
    Easy::withModal([&] { w.easy.BitBtn2Click(); }, [&](QWidget& dialog) { Easy::press(dialog, answer); });
}

QStringList filledFields(Easy& w) {
    QStringList filled;
    for (const char* field : PAGE_FIELDS)
        if (!w.text(field).isEmpty()) filled << field;
    return filled;
}

} // namespace

// The dialog's three buttons, in the order a user might try them; what each
// page's reset clears is core's (reset_choices_test).
TEST(EasyReset, CancelThenThisPageThenAll) {
    Easy w;
    fillEveryPage(w);
    QString focused;
    Easy::withModal([&] { w.easy.BitBtn2Click(); },
                    [&](QWidget& dialog) {
                        focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
                        Easy::press(dialog, "Button3");
                    });
    EXPECT_EQ(focused, "Button3"); // the dialog opens on Cancel
    Easy::withModal([&] { w.easy.BitBtn2Click(); },
                    [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(filledFields(w).size(), static_cast<qsizetype>(std::size(PAGE_FIELDS)));

    // This Page on a page and on a network page clears that page only.
    w.easy.setWizardPage(1);
    reset(w, "Button1");
    w.easy.setWizardPage(7);
    w.easy.setNetworkPage(3);
    reset(w, "Button1");
    QStringList wanted;
    for (const char* field : PAGE_FIELDS)
        if (std::string_view(field) != "Edit4" && std::string_view(field) != "Edit34") wanted << field;
    EXPECT_EQ(filledFields(w), wanted);

    w.easy.setWizardPage(3);
    reset(w, "Button2");
    EXPECT_EQ(filledFields(w), QStringList{});
    // Controls that follow the cleared switches are enabled or disabled again.
    EXPECT_TRUE(w.enabled("CheckBox1"));
    EXPECT_FALSE(w.enabled("RadioButton3"));
    EXPECT_FALSE(w.enabled("ComboBox3"));
    EXPECT_EQ(w.text("Edit30"), "");
}

// Each page's Browse buttons are wired one by one: a row each.
TEST(EasyBrowse, EachButtonFillsItsFieldWithTheLongOrShortForm) {
    const auto cases = testing_support::readCases(WIZARD_WINDOW_TEST_DATA "/browse_buttons.txt", {"files", "folder", "field", "shown", "caption"});
    EXPECT_EQ(cases.size(), 9u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Easy w;
        for (const auto& name : c[""]) w.click(name.c_str());
        if (!c["folder"].empty()) w.prompter.folderAnswers.push_back(c["folder"][0]);
        else w.prompter.openAnswers.push_back(c["files"]);
        w.click(c.name.c_str());
        const auto field = c["field"].at(0);
        auto* memo = w.easy.findChild<QPlainTextEdit*>(QString::fromStdString(field));
        EXPECT_EQ(memo ? memo->toPlainText() : w.text(field.c_str()), QString::fromStdString(c["shown"].at(0)));
        EXPECT_EQ(w.prompter.folderCaptions, c["caption"]);
    }
}

TEST(EasyBrowse, TheSharedFileDialogAndCancelling) {
    Easy w;
    w.setMemo("Memo3", {"C:\\KEEP.TXT"});
    w.click("Button8"); // cancelled: no answer scripted
    EXPECT_EQ(w.find<QPlainTextEdit>("Memo3")->toPlainText(), "C:\\KEEP.TXT");
    ASSERT_EQ(w.prompter.fileRequests.size(), 1u); // core builds the request
    EXPECT_TRUE(w.prompter.fileRequests[0].multiSelect);
}

TEST(EasyBrowse, TheDirectoryDialogRemembersItsFolderUntilAReset) {
    Easy w;
    const auto press = [&](const char* name) { w.easy.findChild<QAbstractButton*>(name)->click(); };
    w.prompter.folderAnswers = {std::string("D:\\ONE"), std::string("D:\\TWO"), std::nullopt, std::string("D:\\X")};
    press("Button6");
    press("Button11"); // the same dialog and memory on another page
    press("Button10"); // cancelled: the memory stays
    reset(w, "Button2");
    press("Button6");
    const std::string first = std::filesystem::path("../../../../../../../../../..").make_preferred().string();
    EXPECT_EQ(w.prompter.folderStarts, (std::vector<std::string>{first, "D:\\ONE", "D:\\TWO", first}));
}

TEST(EasyServices, AnAddedServiceIsOfferedWhenTheListDropsDown) {
    Easy w;
    Easy::withModal([&] { w.click("Button21"); },
                    [](QWidget& dialog) {
                        QTest::keyClicks(dialog.findChild<QLineEdit*>("Edit1"), "SPOOLER");
                        Easy::press(dialog, "Button1");
                    });
    EXPECT_TRUE(w.settings.readBool("Templates", "NetServices", false));
    w.click("RadioButton51");
    auto* services = w.find<QComboBox>("ComboBox3");
    services->showPopup();
    services->hidePopup();
    ASSERT_EQ(services->count(), 1);
    EXPECT_EQ(services->itemText(0), "SPOOLER");
    EXPECT_EQ(services->currentIndex(), -1);
}
