#include "app/help/help_window.h"

#include "core/aids/disk_file_system.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using app::help::HelpWindow;

class HelpWindowTest : public ::testing::Test {
protected:
    core::aids::DiskFileSystem files{"/nowhere/", std::string(QUILLET_RESOURCES_DIR) + "/"};
    HelpWindow window{files};

    QString pageText() { return window.findChild<QTextBrowser*>("topicView")->toPlainText(); }
    QString fragment() { return window.findChild<QTextBrowser*>("topicView")->source().fragment(); }
    QString selectedContents() {
        const auto* item = window.findChild<QTreeWidget*>("contentsTree")->currentItem();
        return item ? item->text(0) : QString();
    }
};

TEST_F(HelpWindowTest, ContextNumbersOpenTheirTopicAtItsAnchor) {
    const auto cases = testing_support::readCases(APP_TEST_DATA "/help_contexts.txt", {});
    EXPECT_EQ(cases.size(), 2u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto page = QString::fromStdString(c[""].at(0)), anchor = QString::fromStdString(c[""].at(1));
        const auto title = QString::fromStdString(c[""].at(2));
        window.showTopic(std::stoi(c.name));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.currentPage(), page);
        EXPECT_EQ(fragment(), anchor);
        EXPECT_EQ(selectedContents(), title);
        EXPECT_TRUE(pageText().startsWith(title)); // the page's heading
    }
}

TEST_F(HelpWindowTest, ContentsAndUnknownNumbers) {
    window.showContents();
    EXPECT_EQ(window.currentPage(), "contents.html");
    EXPECT_EQ(window.findChild<QTabWidget*>()->currentWidget(), window.findChild<QTreeWidget*>("contentsTree"));

    window.showTopic(4242);
    EXPECT_EQ(pageText(), "No help for this item\nThere is no help topic with the number 4242. Choose a topic "
                          "from the contents on the left, or search for a word.");
}

TEST_F(HelpWindowTest, SearchFindsAWordOnExactlyOnePageAndOpensIt) {
    window.search("dhcp");
    auto* results = window.findChild<QListWidget*>("searchResults");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), "Network Services");
    emit results->itemActivated(results->item(0));
    EXPECT_EQ(window.currentPage(), "network-services.html");
    EXPECT_EQ(window.findChild<QLineEdit*>("searchBox")->text(), "dhcp");

    window.search("dhcp qwertyuiop");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), "No topic holds all of these words.");
    EXPECT_EQ(results->item(0)->flags(), Qt::NoItemFlags);
}

// Opened from a modal dialog, help is modal itself (so it takes input at
// once); opened again from the window, it is an ordinary window.
TEST_F(HelpWindowTest, OpenedFromAModalDialogItTakesInputAtOnce) {
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    window.showTopic(701);
    EXPECT_EQ(QApplication::activeModalWidget(), &window);
    window.showContents(); // asked again while it is open
    EXPECT_EQ(QApplication::activeModalWidget(), &window);
    window.close();
    dialog.close();
    window.showTopic(701);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST(HelpWindowWithoutPages, SaysWhereItLooked) {
    testing_support::TempDir empty;
    core::aids::DiskFileSystem files{empty.folder()};
    HelpWindow window(files);
    window.showTopic(999);
    const auto text = window.findChild<QTextBrowser*>("topicView")->toPlainText();
    EXPECT_TRUE(text.startsWith("The help could not be found\nQuillet looks for its help pages in the folder " +
                                QDir::toNativeSeparators(QString::fromStdString(empty.folder()) + "help/") +
                                ", which could not be read:"))
        << text.toStdString();
}

} // namespace
