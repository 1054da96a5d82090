// "Update Batch File" through the widgets: the dialog's buttons and target list
// reach core's update flow (tested headless in core), and Cancel changes nothing.
#include "easy_harness.h"

#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>

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

void copyOneFile(Easy& w) {
    w.click("CheckBox4");
    w.setMemo("Memo1", {"C:\\DATA\\A.TXT"});
    w.type("Edit4", "D:\\BACKUP");
}

} // namespace

TEST(EasyUpdate, TheDialogsButtonsAndTargetListReachTheFlow) {
    Easy w;
    const auto job = w.temp.write("JOB.BAT", "@ECHO OFF\r\n:START\r\n");
    w.documents.openFile(job);
    w.editor.setCaret(0);
    w.documents.insertAtCaret("REM ");
    w.documents.editorChanged();
    w.documents.newFile();
    copyOneFile(w);
    w.click("CheckBox26"); // Set Variables: the second entry
    w.find<QTableWidget>("StringGrid1")->item(0, 0)->setText("NAME");
    QStringList entries, targets;
    QString hint;
    w.update([&](QWidget& dialog) {
        dialog.findChild<QListWidget*>("CheckListBox1")->setCurrentRow(1);
        Easy::press(dialog, "SpeedButton2"); // up
        Easy::press(dialog, "SpeedButton2"); // already first: stays
        Easy::press(dialog, "SpeedButton1"); // untick
        Easy::press(dialog, "SpeedButton3"); // down
        entries = entriesOf(dialog);
        auto* combo = dialog.findChild<QComboBox*>("ComboBox1");
        for (int i = 0; i < combo->count(); ++i) targets << combo->itemText(i);
        combo->setCurrentIndex(combo->findText(QString::fromStdString(job)));
        hint = QTextDocumentFragment::fromHtml(combo->toolTip()).toPlainText(); // as the tooltip shows it
    });
    EXPECT_EQ(entries, (QStringList{"Copy File(s) [x]", "Set Variables [ ]"}));
    EXPECT_EQ(targets, (QStringList{QString::fromStdString(job), "Untitled.bat", "Untitled1.bat"}));
    EXPECT_EQ(hint, QString::fromStdString(job));
    EXPECT_FALSE(w.checked("CheckBox26")); // the unticked entry's switch goes off
    EXPECT_EQ(w.documents.currentDocumentName(), job); // found under its starred caption
    EXPECT_EQ(w.editor.lines(), (Lines{"REM @ECHO OFF", ":START", "COPY C:\\DATA\\A.TXT \"D:\\BACKUP\" /Y"}));
}

TEST(EasyUpdate, CancelChangesNothing) {
    Easy w;
    copyOneFile(w);
    Easy::withModal([&] { w.easy.BatchUpdateVerExecute(); },
                    [](QWidget& dialog) { Easy::press(dialog, "BitBtn2"); });
    EXPECT_EQ(w.editor.lines(), (Lines{"@ECHO OFF", ":START"}));
    EXPECT_TRUE(w.checked("CheckBox4"));
}

// The IF page's Variables button offers the names of the SET lines generated.
TEST(EasyUpdate, SetLinesOfferTheirNamesInVariableSelect) {
    Easy w;
    w.click("CheckBox26");
    w.find<QTableWidget>("StringGrid1")->item(0, 0)->setText("NAME");
    w.update();
    w.click("Button14");
    auto* dialog = w.easy.findChild<QWidget*>("TForm12");
    auto* variables = dialog->findChild<QListWidget*>("ListBox1");
    ASSERT_EQ(variables->count(), 1);
    variables->setCurrentRow(0);
    Easy::press(*dialog, "Button1");
    EXPECT_EQ(w.text("Edit20"), "%NAME%");
}
