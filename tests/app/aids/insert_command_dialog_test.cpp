#include "app/aids/insert_command_dialog.h"

#include "aid_dialogs_fixture.h"

#include <QListWidget>
#include <QPushButton>

using app::aids::TInsertCommandSelect;

namespace {

struct InsertCommandTest : testing_support::AidDialogTest {
    static QStringList entries(const QDialog& dialog) {
        QStringList out;
        auto* list = child<QListWidget>(&dialog, "ListBox1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

} // namespace

// Sorting, empty templates and the Custom file are core's (command_templates_test);
// here the Add button and the close box reach them and the list shows the result.
TEST_F(InsertCommandTest, AddAndTheCloseBoxReachTheTemplates) {
    {
        TInsertCommandSelect dialog(services(), &window);
        dialog.showDialog();
        const QStringList builtIns = entries(dialog);
        prompter.inputs = {"", "BREAK"};
        click(&dialog, "Button3");
        click(&dialog, "Button3");
        EXPECT_EQ(entries(dialog), QStringList{""} + QStringList{"BREAK"} + builtIns);
        dialog.close();
        EXPECT_EQ(entries(dialog), QStringList{"BREAK"} + builtIns);
    }
    EXPECT_EQ(dir.read("Custom.qlt"), "BREAK\r\n");
}
