#include "app/aids/insert_command_dialog.h"

#include "aid_dialogs_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using app::aids::TInsertCommandSelect;
using core::aids::IfPageField;
using Strings = std::vector<std::string>;

namespace {

struct InsertCommandTest : testing_support::AidDialogTest {
    static QStringList entries(const QDialog& dialog) {
        QStringList out;
        auto* list = child<QListWidget>(&dialog, "ListBox1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void select(const QDialog& dialog, const QString& entry) {
        auto* list = child<QListWidget>(&dialog, "ListBox1");
        list->setCurrentItem(list->findItems(entry, Qt::MatchExactly).value(0));
    }
    static QString description(const QDialog& dialog) {
        return child<QPlainTextEdit>(&dialog, "Memo1")->toPlainText();
    }
};

const QStringList BUILT_INS = {"COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]",
                               "DEL [filepath] [/P]",
                               "DELTREE [/Y] [dirpath1] [dirpath2]",
                               "DIR [dirpath] [/P] [/W] [/S]",
                               "ECHO OFF",
                               "ECHO ON",
                               "MKDIR [dirpath]",
                               "MOVE [sourcefilepath] [destinationdirpath] [/Y]",
                               "PAUSE",
                               "REM",
                               "RENAME [filename] [newfilename]"};

} // namespace

TEST_F(InsertCommandTest, ModelessDialogWithItsTextsHintsAndHelpTopics) {
    TInsertCommandSelect dialog(services(), &window);
    dialog.showDialog();
    EXPECT_EQ(dialog.windowTitle(), "Insert Command Template");
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.parentWidget(), &window);
    EXPECT_EQ(child<QLabel>(&dialog, "Label1")->text(), "Select Command Template to insert:");
    EXPECT_EQ(description(dialog), "Select a command to view its description");
    EXPECT_EQ(entries(dialog), BUILT_INS);

    struct Row {
        const char* name;
        QString caption;
        QString hint;
        int help;
        bool isDefault;
    };
    const Row rows[] = {
        {"Button1", "&Insert", "Insert the selected template", 1500, true},
        {"Button2", "&Close", "Close this dialogue box", 1500, false},
        {"Button3", "&Add...", "Adds a custom template to the list", 1501, false},
    };
    for (const auto& row : rows) {
        auto* button = child<QPushButton>(&dialog, row.name);
        EXPECT_EQ(button->text(), row.caption) << row.name;
        EXPECT_EQ(button->toolTip(), row.hint) << row.name;
        EXPECT_EQ(button->property("helpContext").toInt(), row.help) << row.name;
        EXPECT_EQ(button->isDefault(), row.isDefault) << row.name;
    }
    EXPECT_EQ(child<QWidget>(&dialog, "ListBox1")->property("helpContext").toInt(), 1500);
    EXPECT_EQ(child<QWidget>(&dialog, "Memo1")->property("helpContext").toInt(), 1500);
}

TEST_F(InsertCommandTest, SelectingShowsTheDescriptionAndInsertReplacesTheSelection) {
    TInsertCommandSelect dialog(services(), &window);
    dialog.showDialog();
    select(dialog, "COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]");
    EXPECT_EQ(description(dialog), "Information is not currently available on the selected command");
    select(dialog, "MKDIR [dirpath]");
    EXPECT_EQ(description(dialog), "The MKDIR command allows you to create a new directory.");

    editor.setLines({"REM old line"});
    editor.select(4, 3);
    click(&dialog, "Button1");
    EXPECT_EQ(editor.lines(), Strings{"REM MKDIR [dirpath] line"});
    EXPECT_TRUE(dialog.isVisible()); // stays open after Insert

    ifPage.shown = true; // the wizard's "Variables and IF" page in front
    select(dialog, "PAUSE");
    click(&dialog, "Button1");
    EXPECT_EQ(editor.lines(), Strings{"REM MKDIR [dirpath] line"});
    EXPECT_EQ(ifPage.fields, (std::map<IfPageField, std::string>{{IfPageField::Command, "PAUSE"}}));
}

TEST_F(InsertCommandTest, AddedTemplatesTakeTheirSortedPlaceAndComeBackAfterARestart) {
    {
        TInsertCommandSelect dialog(services(), &window);
        dialog.showDialog();
        select(dialog, "REM");
        prompter.inputs = {"XCOPY [source] [dest] /S", "", std::nullopt, "BREAK"};
        for (int i = 0; i < 4; ++i) click(&dialog, "Button3");
        EXPECT_EQ(prompter.inputRequests.front(),
                  (Strings{"Add New Template", "Please enter the template you would like to add:", ""}));
        EXPECT_EQ(entries(dialog), QStringList{""} + QStringList{"BREAK"} + BUILT_INS + QStringList{"XCOPY [source] [dest] /S"});
        EXPECT_EQ(child<QListWidget>(&dialog, "ListBox1")->currentItem()->text(), "REM");

        dialog.close(); // the close box: the empty template goes
        EXPECT_EQ(entries(dialog), QStringList{"BREAK"} + BUILT_INS + QStringList{"XCOPY [source] [dest] /S"});
        EXPECT_EQ(child<QListWidget>(&dialog, "ListBox1")->currentItem()->text(), "REM");
    }
    EXPECT_EQ(dir.read("Custom.qlt"), "XCOPY [source] [dest] /S\r\nBREAK\r\n");
    TInsertCommandSelect restarted(services(), &window);
    EXPECT_EQ(entries(restarted), QStringList{"BREAK"} + BUILT_INS + QStringList{"XCOPY [source] [dest] /S"});
}
