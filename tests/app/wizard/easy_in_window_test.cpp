// The wizard inside the main window: lines land in the editor's document,
// Insert Command follows the IF command field (start-up and F4: main_window_test).
#include "app/window_fixture.h"

#include "app/wizard/easy_layout.h"
#include "app/wizard/install_easy_layout.h"
#include "easy_harness.h"

namespace {

class EasyInWindow : public testing_support::WindowTest {
protected:
    app::wizard::EasyLayout* easy = nullptr;

    void install(app::TForm1& form) override { easy = &app::wizard::installEasyLayout(form, prompter, files, settings); }
    void startOnEasy(int wizardPage) {
        settings.writeBool("PreviousExec", "Hidden", false);
        settings.writeInteger("PreviousExec", "Active", 2);
        settings.writeInteger("PreviousExec", "EasyActive", wizardPage);
        start();
    }
};

} // namespace

TEST_F(EasyInWindow, UpdateBatchFileAppendsToTheEditorsDocument) {
    startOnEasy(1);
    editor()->setText("@ECHO OFF\r\n:START");
    editor()->setCursorPosition(0, 0);
    easy->findChild<QAbstractButton*>("CheckBox4")->click();
    easy->findChild<QPlainTextEdit*>("Memo1")->setPlainText("C:\\DATA\\A.TXT");
    easy->findChild<QLineEdit*>("Edit4")->setText("D:\\BACKUP");
    easy_test::Easy::withModal([&] { action("BatchUpdateVer")->trigger(); },
                               [](QWidget& dialog) { easy_test::Easy::press(dialog, "BitBtn1"); });
    // A user who never chose a target writes for Windows 10 and 11.
    EXPECT_EQ(editor()->text().toStdString(), "@ECHO OFF\r\n:START\r\nCOPY \"C:\\DATA\\A.TXT\" \"D:\\BACKUP\" /Y");
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat*"});
}

TEST_F(EasyInWindow, InsertCommandFollowsTheIfCommandField) {
    startOnEasy(5);
    child<QWidget>("Edit23")->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(action("EditInsert1")->isEnabled());
    child<QWidget>("Edit24")->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(action("EditInsert1")->isEnabled());
}
