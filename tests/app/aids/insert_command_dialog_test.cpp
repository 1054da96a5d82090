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

TEST_F(InsertCommandTest, AddedTemplatesTakeTheirSortedPlaceAndEmptyOnesGoWhenItCloses) {
    {
        TInsertCommandSelect dialog(services(), &window);
        dialog.showDialog();
        const QStringList builtIns = entries(dialog);
        ASSERT_EQ(builtIns.size(), 11);
        child<QListWidget>(&dialog, "ListBox1")->setCurrentRow(9); // REM
        prompter.inputs = {"XCOPY [source] [dest] /S", "", std::nullopt, "BREAK"};
        for (int i = 0; i < 4; ++i) click(&dialog, "Button3");
        EXPECT_EQ(entries(dialog), QStringList{""} + QStringList{"BREAK"} + builtIns + QStringList{"XCOPY [source] [dest] /S"});

        dialog.close(); // the close box: the empty template goes, the selection stays
        EXPECT_EQ(entries(dialog), QStringList{"BREAK"} + builtIns + QStringList{"XCOPY [source] [dest] /S"});
        EXPECT_EQ(child<QListWidget>(&dialog, "ListBox1")->currentItem()->text(), "REM");
    }
    EXPECT_EQ(dir.read("Custom.qlt"), "XCOPY [source] [dest] /S\r\nBREAK\r\n");
    TInsertCommandSelect restarted(services(), &window);
    EXPECT_EQ(entries(restarted).first(), "BREAK");
    EXPECT_EQ(entries(restarted).last(), "XCOPY [source] [dest] /S");
}
