// "Update Batch File" through the widgets: the dialog's buttons, the target
// document, and clicks through to generated lines.
#include "easy_harness.h"

#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>

namespace {

using easy_test::Easy;
using easy_test::Lines;

QStringList entriesOf(QWidget& dialog) {
    QStringList entries;
    auto* list = dialog.findChild<QListWidget*>("CheckListBox1");
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? " [x]" : " [ ]");
    return entries;
}

void selectEntry(QWidget& dialog, int row) { dialog.findChild<QListWidget*>("CheckListBox1")->setCurrentRow(row); }

void copyOneFile(Easy& w) {
    w.click("CheckBox4");
    w.setMemo("Memo1", {"C:\\DATA\\A.TXT"});
    w.type("Edit4", "D:\\BACKUP");
}

void setOneVariable(Easy& w) {
    w.click("CheckBox26");
    auto* grid = w.find<QTableWidget>("StringGrid1");
    grid->item(0, 0)->setText("NAME");
    grid->item(0, 1)->setText("YES");
}

const std::string COPY_LINE = "COPY C:\\DATA\\A.TXT \"D:\\BACKUP\" /Y";

} // namespace

TEST(EasyUpdate, TheDialogsButtonsMoveAndUntickEntries) {
    Easy w;
    copyOneFile(w);
    setOneVariable(w);
    QStringList before, entries;
    w.update([&](QWidget& dialog) {
        before = entriesOf(dialog);
        selectEntry(dialog, 1);
        Easy::press(dialog, "SpeedButton2"); // up
        Easy::press(dialog, "SpeedButton2"); // already first: stays
        selectEntry(dialog, 1);
        Easy::press(dialog, "SpeedButton1"); // untick
        Easy::press(dialog, "SpeedButton3"); // already last: stays
        entries = entriesOf(dialog);
    });
    EXPECT_EQ(before, (QStringList{"Copy File(s) [x]", "Set Variables [x]"}));
    EXPECT_EQ(entries, (QStringList{"Set Variables [x]", "Copy File(s) [ ]"}));
    EXPECT_FALSE(w.checked("CheckBox4")); // the unticked entry's switch goes off
    EXPECT_EQ(w.editor.lines(), (Lines{"@ECHO OFF", ":START", "SET NAME=YES"}));
}

TEST(EasyUpdate, TheChosenTargetIsFoundUnderItsStarredCaptionAndGetsTheLinesAtItsEnd) {
    Easy w;
    const auto job = w.temp.write("JOB.BAT", "@ECHO OFF\r\n:START\r\n");
    const auto archive = w.temp.write("ARCHIVE.BAT", "REM archive\r\n");
    w.documents.openFile(archive);
    w.documents.openFile(job);
    w.editor.setCaret(0);
    w.documents.insertAtCaret("REM ");
    w.documents.editorChanged();
    w.documents.newFile();
    copyOneFile(w);
    QStringList targets;
    QString hintBefore, hintAfter;
    w.update([&](QWidget& dialog) {
        auto* combo = dialog.findChild<QComboBox*>("ComboBox1");
        for (int i = 0; i < combo->count(); ++i) targets << combo->itemText(i);
        hintBefore = combo->toolTip();
        combo->setCurrentIndex(combo->findText(QString::fromStdString(job)));
        hintAfter = combo->toolTip();
    });
    EXPECT_EQ(targets, (QStringList{QString::fromStdString(archive), QString::fromStdString(job), "Untitled.bat",
                                    "Untitled1.bat"}));
    EXPECT_EQ(hintBefore, "Untitled1.bat");
    EXPECT_EQ(hintAfter, QString::fromStdString(job));
    EXPECT_EQ(w.documents.currentDocumentName(), job);
    EXPECT_EQ(w.editor.lines(), (Lines{"REM @ECHO OFF", ":START", COPY_LINE}));
}

TEST(EasyUpdate, CancelChangesNothing) {
    Easy w;
    copyOneFile(w);
    Easy::withModal([&] { w.easy.BatchUpdateVerExecute(); },
                    [](QWidget& dialog) { Easy::press(dialog, "BitBtn2"); });
    EXPECT_EQ(w.editor.lines(), (Lines{"@ECHO OFF", ":START"}));
    EXPECT_TRUE(w.checked("CheckBox4"));
}

// An editable list's typed text reaches the generator (the other kinds of
// field are read in field_binding_test, the lines checked in core).
TEST(EasyUpdate, AnEditableListsTextReachesTheLines) {
    Easy w;
    w.click("RadioButton53");
    w.find<QComboBox>("ComboBox4")->setCurrentText("SCHEDULE");
    w.update();
    EXPECT_EQ(w.editor.lines(), (Lines{"@ECHO OFF", ":START", "NET PAUSE \"SCHEDULE\""}));
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{});
}

TEST(EasyUpdate, SetLinesOfferTheirNamesInVariableSelect) {
    Easy w;
    setOneVariable(w);
    w.update();
    w.click("Button14");
    auto* dialog = w.easy.findChild<QWidget*>("TForm12");
    auto* variables = dialog->findChild<QListWidget*>("ListBox1");
    ASSERT_EQ(variables->count(), 1);
    variables->setCurrentRow(0);
    Easy::press(*dialog, "Button1");
    EXPECT_EQ(w.text("Edit20"), "%NAME%");
    EXPECT_EQ(w.text("Edit19"), "");
}
