// Start-up, the three layouts, Welcome mode, F3/F4, dropped files and shutdown (the open request: single_instance_test).
#include "window_fixture.h"

#include "app/easy_pages.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using testing_support::WindowTest;
using core::ports::Answer;

namespace {

using Layouts = WindowTest;

// The commands Welcome mode disables, and some it leaves alone.
const char* const OFF_IN_WELCOME[] = {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "FileClose", "FilePrint",
                                      "EditCopy1", "EditPaste1", "EditInsert1", "BatchSyntaxCheck"};
const char* const ALWAYS_ON[] = {"FileExit", "EditCut1"};

TEST_F(Layouts, FirstStartShowsOnlyWelcomeWithCommandsDisabledAndExitStoresIt) {
    start();
    EXPECT_EQ(visiblePages(), std::vector<QString>{"Welcome"});
    for (const char* name : OFF_IN_WELCOME) EXPECT_FALSE(action(name)->isEnabled()) << name;
    for (const char* name : ALWAYS_ON) EXPECT_TRUE(action(name)->isEnabled()) << name;
    for (const char* menu : {"EditMenu", "BatchMenu", "OptionsMenu"})
        EXPECT_FALSE(child<QMenu>(menu)->menuAction()->isEnabled()) << menu;
    EXPECT_TRUE(child<QMenu>("HelpMenu")->menuAction()->isEnabled());
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat"});
    EXPECT_TRUE(prompter.shown.empty());
    // Exit on Welcome stores Welcome and the window size.
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(stored("PreviousExec", "Active"), "5");
    EXPECT_EQ(stored("PreviousExec", "Height"), "575");
    EXPECT_EQ(stored("PreviousExec", "Window"), "1");
}

TEST_F(Layouts, EasyLayoutButtonLeavesWelcomeForGood) {
    start();
    QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(visiblePages(), (std::vector<QString>{"Easy", "Advanced"}));
    EXPECT_EQ(activePage(), "Easy");
    EXPECT_EQ(help.lastTopic(), 990);
    for (const char* name : OFF_IN_WELCOME)
        EXPECT_EQ(action(name)->isEnabled(), std::string(name) != "EditInsert1") << name; // not provided here
    EXPECT_TRUE(child<QMenu>("EditMenu")->menuAction()->isEnabled());

    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Are you sure you want to exit?"});
    EXPECT_EQ(stored("PreviousExec", "Hidden"), "0");
    EXPECT_EQ(stored("PreviousExec", "Active"), "2");
}

TEST_F(Layouts, AdvancedLayoutButtonThenF3SwapsEasyAndAdvanced) {
    start();
    QTest::keyClick(window.get(), Qt::Key_F3); // no swap on Welcome
    EXPECT_EQ(activePage(), "Welcome");
    QTest::mouseClick(child<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(activePage(), "Advanced");
    EXPECT_EQ(help.lastTopic(), 991);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(activePage(), "Easy");
    EXPECT_FALSE(action("Undo1")->isEnabled());
    EXPECT_FALSE(action("EditInsert1")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(activePage(), "Advanced");
    EXPECT_FALSE(action("Undo1")->isEnabled()) << "nothing was typed to undo";
}

TEST_F(Layouts, StoredWizardPagesComeBackF4StepsOnAndExitSavesThem) {
    settings.writeInteger("PreviousExec", "EasyActive", 4);
    settings.writeInteger("PreviousExec", "EasyNetActive", 3);
    startAdvanced();
    EXPECT_EQ(child<QTabWidget>("PageControl2")->currentIndex(), 3);
    EXPECT_EQ(child<QTabWidget>("PageControl3")->currentIndex(), 2);
    QTest::keyClick(window.get(), Qt::Key_F4); // the next page, as core counts them
    EXPECT_EQ(child<QTabWidget>("PageControl2")->currentIndex(), 4);
    child<QTabWidget>("PageControl2")->setCurrentIndex(6);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(stored("PreviousExec", "EasyActive"), "7");
    EXPECT_EQ(stored("PreviousExec", "EasyNetActive"), "3");
    EXPECT_EQ(stored("PreviousExec", "Active"), "1");
}

TEST_F(Layouts, DroppedFilesOpenAsDocuments) {
    const auto first = dir.write("one.bat", "ECHO 1\r\n");
    const auto second = dir.write("two.bat", "ECHO 2\r\n");
    startAdvanced();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)), QUrl::fromLocalFile(QString::fromStdString(second))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor()->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor()->viewport(), &drop);
    EXPECT_EQ(tabCaptions(), (std::vector<QString>{"Untitled.bat", "one.bat", "two.bat"}));
    EXPECT_EQ(editor()->text(), "ECHO 2");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{});
}

// No to "exit?", or a Save dialog cancelled on the way out: the window stays, nothing is stored.
TEST_F(Layouts, ExitIsAbandonedOnNoOrWhenTheSaveIsCancelled) {
    startAdvanced();
    editor()->insert("REM keep me\r\n");
    const auto before = settings.values();
    prompter.answers = {Answer::No, Answer::Yes, Answer::Yes}; // exit? no; then exit? yes, save Untitled.bat? yes
    QSignalSpy closed(window.get(), &app::TForm1::closed); // what ends the program
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Are you sure you want to exit?"});
    prompter.saveAnswers = {std::nullopt}; // ...and the Save dialog is cancelled
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"Untitled.bat*"});
    EXPECT_TRUE(editor()->text().startsWith("REM keep me"));
    EXPECT_EQ(settings.values(), before);
    EXPECT_EQ(closed.count(), 0);
}

// A maximised window stores only that it was; the size is core's to leave out.
TEST_F(Layouts, MaximisedExitStoresTheIgnoredCommandsAndTheNextStartLoadsThem) {
    startAdvanced();
    window->ignoredCommands() = {"FOO BAR"};
    window->showMaximized();
    QTest::qWait(20);
    ASSERT_TRUE(window->isMaximized());
    QSignalSpy closed(window.get(), &app::TForm1::closed);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(stored("PreviousExec", "Window"), "2");
    EXPECT_EQ(stored("PreviousExec", "Height"), "<absent>");
    EXPECT_EQ(stored("Templates", "Ignore"), "1");
    EXPECT_EQ(dir.read("Ignore.qlt"), "FOO BAR\r\n");
    startAdvanced();
    EXPECT_EQ(window->ignoredCommands(), std::vector<std::string>{"FOO BAR"});
}

} // namespace
