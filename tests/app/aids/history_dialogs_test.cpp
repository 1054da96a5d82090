#include "app/aids/insert_filename_dialog.h"
#include "app/aids/insert_path_dialog.h"

#include "aid_dialogs_fixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

using app::aids::TForm10;
using app::aids::TForm9;
using Strings = std::vector<std::string>;

namespace {

struct HistoryDialogTest : testing_support::AidDialogTest {
    HistoryDialogTest() {
        files.shortForms["C:\\My Documents\\Long Report.txt"] = "C:\\MYDOCU~1\\LONGRE~1.TXT";
    }
    static QComboBox* combo(const QDialog& dialog) { return child<QComboBox>(&dialog, "ComboBox1"); }
    static QStringList history(const QDialog& dialog) {
        QStringList out;
        for (int i = 0; i < combo(dialog)->count(); ++i) out << combo(dialog)->itemText(i);
        return out;
    }
};

} // namespace

TEST_F(HistoryDialogTest, InsertFilenameBrowsesInsertsTheShortFormAndSavesItsHistoryOnEsc) {
    {
        TForm9 dialog(services(), &window);
        dialog.showDialog();
        prompter.openAnswers = {{"C:\\My Documents\\Long Report.txt"}};
        click(&dialog, "Button1");
        EXPECT_EQ(history(dialog), QStringList{"C:\\My Documents\\Long Report.txt"});
        EXPECT_EQ(combo(dialog)->currentText(), "C:\\My Documents\\Long Report.txt");
        click(&dialog, "Button2");
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1\\LONGRE~1.TXT D:\\"});
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(dir.read("Files.qlt"), "C:\\My Documents\\Long Report.txt\r\n");
    TForm9 restarted(services(), &window);
    EXPECT_EQ(history(restarted), QStringList{"C:\\My Documents\\Long Report.txt"});
}

TEST_F(HistoryDialogTest, DoubleClickingAStandardDirectoryInsertsItsNotation) {
    TForm10 dialog(services(), &window);
    dialog.showDialog();
    auto* list = child<QListWidget>(&dialog, "ListBox1");
    ASSERT_EQ(list->item(3)->text(), "Parent Directory");
    editor.setLines({"CD "});
    editor.setCaret(3);
    const QRect at = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center()); // a double-click's first press
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at.center());
    EXPECT_EQ(editor.lines(), Strings{"CD .."});
}
