#include "app/aids/insert_filename_dialog.h"
#include "app/aids/insert_path_dialog.h"

#include "aid_dialogs_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using app::aids::TForm10;
using app::aids::TForm9;
using Strings = std::vector<std::string>;

namespace {

struct HistoryDialogTest : testing_support::AidDialogTest {
    HistoryDialogTest() {
        files.shortForms["C:\\My Documents\\Long Report.txt"] = "C:\\MYDOCU~1\\LONGRE~1.TXT";
        files.shortForms["C:\\My Documents"] = "C:\\MYDOCU~1";
    }
    static QStringList history(const QDialog& dialog) {
        QStringList out;
        auto* combo = child<QComboBox>(&dialog, "ComboBox1");
        for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        return out;
    }
    static QComboBox* combo(const QDialog& dialog) { return child<QComboBox>(&dialog, "ComboBox1"); }
    //! The captions of the frame's heading and buttons, and which button is the default.
    static QStringList frame(const QDialog& dialog) {
        QStringList out{dialog.windowTitle(), child<QLabel>(&dialog, "Label1")->text()};
        for (const char* name : {"Button1", "Button2", "Button3"}) {
            auto* button = child<QPushButton>(&dialog, name);
            out << button->text() + (button->isDefault() ? " (default)" : "");
        }
        return out;
    }
};

} // namespace

TEST_F(HistoryDialogTest, InsertFilenameBrowsesInsertsShortFormsAndSavesItsHistoryOnEsc) {
    {
        TForm9 dialog(services(), &window);
        EXPECT_EQ(frame(dialog), (QStringList{"Insert Filename", "Select filename to insert:", "&Browse...",
                                              "&Insert (default)", "&Close"}));
        dialog.showDialog();
        prompter.openAnswers = {{"C:\\My Documents\\Long Report.txt"}, {}};
        click(&dialog, "Button1");
        click(&dialog, "Button1"); // Cancel: nothing changes
        EXPECT_EQ(prompter.fileRequests.front().filter, "All Files (*.*)|*.*");
        EXPECT_EQ(history(dialog), QStringList{"C:\\My Documents\\Long Report.txt"});
        EXPECT_EQ(combo(dialog)->currentText(), "C:\\My Documents\\Long Report.txt");
        click(&dialog, "Button2");
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1\\LONGRE~1.TXT D:\\"});

        combo(dialog)->setEditText("C:\\Nowhere\\Missing.txt"); // no short form: nothing inserted
        click(&dialog, "Button2");
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1\\LONGRE~1.TXT D:\\"});
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(dir.read("Files.qlt"), "C:\\My Documents\\Long Report.txt\r\n");
    TForm9 restarted(services(), &window);
    EXPECT_EQ(history(restarted), QStringList{"C:\\My Documents\\Long Report.txt"});
}

TEST_F(HistoryDialogTest, InsertPathKeepsTheComboTextAfterEveryBrowseAndSavesOnTheCloseBox) {
    {
        TForm10 dialog(services(), &window);
        EXPECT_EQ(frame(dialog), (QStringList{"Insert Path", "Select path to insert:", "&Browse...",
                                              "&Insert (default)", "&Close"}));
        dialog.showDialog();
        prompter.folderAnswers = {"C:\\My Documents", std::nullopt};
        click(&dialog, "Button1");
        combo(dialog)->setEditText("C:\\TYPED");
        click(&dialog, "Button1"); // Cancel: the typed text joins the history all the same
        EXPECT_EQ(history(dialog), (QStringList{"C:\\MYDOCU~1", "C:\\TYPED"}));
        combo(dialog)->setEditText("C:\\My Documents");
        click(&dialog, "Button2");
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1 D:\\"});
        dialog.close();
    }
    EXPECT_EQ(dir.read("Paths.qlt"), "C:\\MYDOCU~1\r\nC:\\TYPED\r\n");
}

TEST_F(HistoryDialogTest, DoubleClickingAStandardDirectoryInsertsItsNotation) {
    TForm10 dialog(services(), &window);
    dialog.showDialog();
    EXPECT_EQ(child<QLabel>(&dialog, "Label2")->text(), "Or select a standard directory below:");
    auto* list = child<QListWidget>(&dialog, "ListBox1");
    const std::pair<QString, std::string> rows[] = {
        {"Windows Directory", "%windir%"},      {"Root Directory of Current Drive", "\\"},
        {"Grandparent Directory", "..."},       {"Parent Directory", ".."},
        {"Current Directory", "."},
    };
    ASSERT_EQ(list->count(), 5);
    for (int i = 0; i < 5; ++i) {
        const auto& [entry, notation] = rows[i];
        EXPECT_EQ(list->item(i)->text(), entry);
        editor.setLines({"CD "});
        editor.setCaret(3);
        const QRect at = list->visualItemRect(list->item(i));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center()); // a double-click's first press
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at.center());
        EXPECT_EQ(editor.lines(), Strings{"CD " + notation}) << entry.toStdString();
    }
}
