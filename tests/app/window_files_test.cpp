// The window's files: every file named at start, outside changes asked about
// when the window comes back, and file names shown exactly as they are.
#include "window_fixture.h"

#include "app/outside_changes.h"

#include <QApplication>
#include <QListWidget>
#include <QStatusBar>
#include <QTextDocumentFragment>

#include <fstream>

using testing_support::WindowTest;

namespace {

class WindowFiles : public WindowTest {
protected:
    void install(app::TForm1& form) override { new app::OutsideChangeWatch(form); }
};

TEST_F(WindowFiles, EveryFileNamedAtStartOpensUnderItsFullPath) {
    dir.write("a.bat", "ECHO a\r\n");
    dir.write("b.bat", "ECHO b\r\n");
    const auto previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    startAdvanced({"a.bat", "b.bat"});
    QDir::setCurrent(previous);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"a.bat", "b.bat"}));
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text().toStdString(), dir.file("b.bat"));
}

TEST_F(WindowFiles, ComingBackToTheWindowAsksAboutAFileChangedMeanwhile) {
    const auto path = dir.write("a.bat", "ECHO 1\r\n");
    startAdvanced({path});
    ASSERT_TRUE(prompter.shown.empty());
    std::ofstream(path, std::ios::binary | std::ios::app) << "ECHO 2\r\n";
    QEvent activated(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activated);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompter.shown.empty(); }, 5000));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"a.bat was changed by another program.\n\nReload it?"});
    EXPECT_TRUE(editor()->text().contains("ECHO 2")); // Yes: read again
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"a.bat"});
}

TEST_F(WindowFiles, AtItsSmallestTheStatusBarShowsEveryPanelInFull) {
    const auto path = dir.write(std::string(150, 'n') + ".bat", "ECHO\r\n");
    startAdvanced({path});
    window->resize(window->minimumSize());
    QTest::qWait(50);
    const auto* bar = child<QStatusBar>("StatusBar1");
    for (const auto* panel : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!panel->isVisible()) continue;
        SCOPED_TRACE(panel->objectName().toStdString());
        EXPECT_GE(panel->width(), panel->minimumSizeHint().width());
        EXPECT_LE(panel->geometry().right(), bar->contentsRect().right());
    }
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text().toStdString(), path); // shortened on screen only
}

TEST_F(WindowFiles, RecentFileToolTipsShowTheNameAsItIs) {
    const auto path = dir.write("<h1>big</h1><img src=x>.bat", "ECHO\r\n");
    settings.writeText("Recent", "File01", path);
    start();
    const auto* list = child<QListWidget>("WelcomeRecent");
    ASSERT_EQ(list->count(), 1);
    const auto tip = list->item(0)->toolTip();
    // A tooltip that looks like markup is shown as rich text.
    const auto shown = Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
    EXPECT_EQ(shown.toStdString(), path);
}

} // namespace
