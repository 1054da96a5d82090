// "Update Batch File" through the widgets: the dialog, the walk, and one run
// per page from clicks to generated lines.
#include "easy_harness.h"

#include "app/wizard/document_set_targets.h"

#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
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

TEST(EasyUpdate, WithNoSwitchOnTheDialogIsEmptyAndNothingIsAdded) {
    Easy w;
    QStringList entries{"not shown"};
    w.update([&](QWidget& dialog) { entries = entriesOf(dialog); });
    EXPECT_EQ(entries, QStringList{});
    EXPECT_EQ(w.documents.linesOf(0), Lines{"@ECHO OFF"});
    EXPECT_FALSE(w.documents.documents[0].view->modified());
}

TEST(EasyUpdate, MovingSetVariablesUpPutsTheSetLinesFirst) {
    Easy w;
    copyOneFile(w);
    setOneVariable(w);
    QStringList before, after;
    w.update([&](QWidget& dialog) {
        before = entriesOf(dialog);
        selectEntry(dialog, 1);
        Easy::press(dialog, "SpeedButton2");
        after = entriesOf(dialog);
        Easy::press(dialog, "SpeedButton2"); // already first: stays
        selectEntry(dialog, 1);
        Easy::press(dialog, "SpeedButton3"); // already last: stays
    });
    EXPECT_EQ(before, (QStringList{"Copy File(s) [x]", "Set Variables [x]"}));
    EXPECT_EQ(after, (QStringList{"Set Variables [x]", "Copy File(s) [x]"}));
    EXPECT_EQ(w.documents.linesOf(0), (Lines{"@ECHO OFF", "SET NAME=YES", COPY_LINE}));
}

TEST(EasyUpdate, AnUntickedEntryTurnsItsSwitchOffAndAddsNothing) {
    Easy w;
    copyOneFile(w);
    setOneVariable(w);
    QStringList entries;
    w.update([&](QWidget& dialog) {
        selectEntry(dialog, 0);
        Easy::press(dialog, "SpeedButton1");
        Easy::press(dialog, "SpeedButton3"); // moved, it keeps its mark
        entries = entriesOf(dialog);
    });
    EXPECT_EQ(entries, (QStringList{"Set Variables [x]", "Copy File(s) [ ]"}));
    EXPECT_FALSE(w.checked("CheckBox4"));
    EXPECT_TRUE(w.checked("CheckBox26"));
    EXPECT_EQ(w.documents.linesOf(0), (Lines{"@ECHO OFF", "SET NAME=YES"}));
}

TEST(EasyUpdate, TheChosenTargetIsFoundUnderItsStarredCaption) {
    Easy w;
    w.documents.add("C:\\JOBS\\BACKUP.BAT", {"REM backup"}, /*modified=*/true);
    w.documents.add("C:\\JOBS\\ARCHIVE.BAT", {"REM archive"});
    copyOneFile(w);
    QStringList targets;
    QString hintBefore, hintAfter;
    w.update([&](QWidget& dialog) {
        auto* combo = dialog.findChild<QComboBox*>("ComboBox1");
        for (int i = 0; i < combo->count(); ++i) targets << combo->itemText(i);
        hintBefore = combo->toolTip();
        combo->setCurrentIndex(combo->findText("C:\\JOBS\\BACKUP.BAT"));
        hintAfter = combo->toolTip();
    });
    EXPECT_EQ(targets, (QStringList{"C:\\JOBS\\ARCHIVE.BAT", "C:\\JOBS\\BACKUP.BAT", "Untitled.bat"}));
    EXPECT_EQ(hintBefore, "Untitled.bat");
    EXPECT_EQ(hintAfter, "C:\\JOBS\\BACKUP.BAT");
    EXPECT_EQ(w.documents.current, 1u);
    EXPECT_EQ(w.documents.linesOf(1), (Lines{"REM backup", COPY_LINE}));
    EXPECT_EQ(w.documents.linesOf(0), Lines{"@ECHO OFF"});
}

TEST(EasyUpdate, AFailingSectionWarnsAndTheNextOneStillRuns) {
    Easy w;
    w.click("CheckBox4"); // no files to copy
    setOneVariable(w);
    w.update();
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{"Oops! You forgot to enter the file(s) to copy!"});
    EXPECT_EQ(w.documents.linesOf(0), (Lines{"@ECHO OFF", "SET NAME=YES"}));
    EXPECT_FALSE(w.find("ProgressBar1")->isVisible());
    EXPECT_FALSE(w.find("StaticText12")->isVisible());
}

TEST(EasyUpdate, CancelChangesNothing) {
    Easy w;
    copyOneFile(w);
    Easy::withModal([&] { w.easy.BatchUpdateVerExecute(); },
                    [](QWidget& dialog) { Easy::press(dialog, "BitBtn2"); });
    EXPECT_EQ(w.documents.linesOf(0), Lines{"@ECHO OFF"});
    EXPECT_TRUE(w.checked("CheckBox4"));
}

TEST(EasyUpdate, OneRunPerPageFromClicksToLines) {
    struct PageRun {
        const char* page;
        std::function<void(Easy&)> choose;
        Lines lines;
    };
    const std::vector<PageRun> runs = {
        {"File Operations",
         [](Easy& w) {
             w.click("CheckBox4");
             w.setMemo("Memo1", {"C:\\DATA\\A.TXT", "C:\\DATA\\B.TXT"});
             w.type("Edit4", "D:\\BACKUP");
             w.click("CheckBox1");
         },
         {"COPY C:\\DATA\\A.TXT \"D:\\BACKUP\" /Y /V", "COPY C:\\DATA\\B.TXT \"D:\\BACKUP\" /Y /V"}},
        {"User Interaction",
         [](Easy& w) {
             w.click("CheckBox6");
             w.type("Edit5", "Install now?");
             w.type("MaskEdit1", "Y");
             w.type("MaskEdit2", "N");
             w.click("CheckBox14");
             w.click("RadioButton7");
             w.type("Edit9", "Installing");
         },
         {"CHOICE /CYN Install now?", "IF ERRORLEVEL==2 GOTO ACHOICETWO", "IF ERRORLEVEL==1 GOTO ACHOICEONE", "",
          ":ACHOICEONE", "ECHO Installing", "GOTO ENDA", "", ":ACHOICETWO", "GOTO ENDA", "", ":ENDA"}},
        {"Programs",
         [](Easy& w) {
             w.click("CheckBox9");
             w.type("Edit2", "C:\\TOOLS\\EDIT.EXE");
             w.click("RadioButton16");
             w.click("CheckBox11");
         },
         {"START /max /w C:\\TOOLS\\EDIT.EXE "}},
        {"Miscellaneous",
         [](Easy& w) {
             w.click("CheckBox21");
             w.click("RadioButton27");
             w.click("RadioButton29");
             w.click("CheckBox22");
             w.find<QSpinBox>("CSpinEdit2")->setValue(30);
             w.click("CheckBox23");
             w.click("RadioButton32");
         },
         {"shutdown -r -f -t: 30", "COPY CON LPT1"}},
        {"Variables and IF",
         [](Easy& w) {
             setOneVariable(w);
             w.click("CheckBox27");
             w.click("RadioButton37");
             w.type("Edit19", "%NAME%");
             w.type("Edit20", "YES");
             w.click("RadioButton39");
             w.type("Edit23", "ECHO HI");
         },
         {"SET NAME=YES", "IF %NAME%==YES ECHO HI"}},
        {"FOR & File Attributes",
         [](Easy& w) {
             w.click("CheckBox36");
             w.setMemo("Memo9", {"C:\\A.TXT"});
             w.click("CheckBox40");
             w.click("CheckBox37");
             w.type("Edit33", "C:\\WORK");
             w.find<QComboBox>("ComboBox5")->setCurrentIndex(7);
         },
         {"ATTRIB -A -R -S +H C:\\A.TXT", "SUBST K: C:\\WORK"}},
        {"Network Sharing",
         [](Easy& w) {
             w.click("RadioButton44");
             w.type("Edit25", "DOCS");
             w.type("Edit27", "C:\\Data");
             w.click("RadioButton46");
         },
         {"NET SHARE DOCS=\"C:\\Data\" /UNLIMITED /DELETE"}},
        {"Network Services",
         [](Easy& w) {
             w.click("RadioButton53");
             w.find<QComboBox>("ComboBox4")->setCurrentText("SCHEDULE");
         },
         {"NET PAUSE \"SCHEDULE\""}},
        {"Other Network Commands",
         [](Easy& w) {
             w.click("CheckBox34");
             w.type("Edit34", "Hello");
             w.click("RadioButton59");
             w.type("Edit35", "*");
         },
         {"NET SEND * \"Hello\""}},
        {"Server Commands",
         [](Easy& w) {
             w.click("CheckBox35");
             w.click("RadioButton66");
             w.type("Edit43", "bob");
         },
         {"NET USER bob /DELETE "}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.page);
        Easy w;
        run.choose(w);
        w.update();
        Lines wanted{"@ECHO OFF"};
        wanted.insert(wanted.end(), run.lines.begin(), run.lines.end());
        EXPECT_EQ(w.documents.linesOf(0), wanted);
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{});
    }
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

TEST(EasyUpdate, TheDocumentSetsTargetGetsTheLinesAtItsEnd) {
    Easy w;
    core::documents::MemoryEditorView editor;
    core::documents::DocumentSet documents(editor, w.prompter, w.files, w.settings, w.lists);
    const auto path = w.temp.write("JOB.BAT", "@ECHO OFF\r\n:START\r\n");
    documents.start(path);
    editor.setCaret(0);
    documents.newFile();
    app::wizard::DocumentSetTargets targets(documents, editor);
    w.easy.setDocuments(&targets);
    copyOneFile(w);
    w.update([&](QWidget& dialog) {
        auto* combo = dialog.findChild<QComboBox*>("ComboBox1");
        combo->setCurrentIndex(combo->findText(QString::fromStdString(path)));
    });
    EXPECT_EQ(documents.currentDocumentName(), path);
    EXPECT_EQ(editor.lines(), (Lines{"@ECHO OFF", ":START", COPY_LINE}));
    documents.editorChanged();
    EXPECT_EQ(documents.tabCaptions(), (std::vector<std::string>{"JOB.BAT*", "Untitled.bat"}));
}
