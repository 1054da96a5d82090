// The window in daily use: the tab strip and title from the start, undo back to
// the saved text, the Problems list after a check, and F1 everywhere.
#include "app/help/context_help.h"
#include "app/problems/problems_dock.h"
#include "app/window_fixture.h"
#include "app/wizard/install_easy_layout.h"
#include "core/info/help_contexts.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QTreeView>

namespace {

class WindowUse : public testing_support::WindowTest {};

TEST_F(WindowUse, TabStripAndTitleShowTheFileFromTheStartAndUndoClearsTheMark) {
    const auto path = dir.write("TEST.BAT", "@ECHO OFF\r\n");
    startAdvanced({path});
    QApplication::processEvents();
    EXPECT_TRUE(tabs()->isVisible());
    EXPECT_GT(tabs()->height(), 0);
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"TEST.BAT"});
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("TEST.BAT \u2014 Quillet"));

    editor()->setFocus();
    QTest::keyClicks(editor(), "REM ");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("TEST.BAT* \u2014 Quillet"));
    for (int i = 0; i < 4; ++i) action("Undo1")->trigger();
    EXPECT_EQ(editor()->text(), "@ECHO OFF");
    EXPECT_EQ(tabCaptions(), std::vector<QString>{"TEST.BAT"});
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("TEST.BAT \u2014 Quillet"));
}

TEST_F(WindowUse, ProblemsListHoldsTheFindingsGoesToTheirLinesAndIgnores) {
    settings.writeInteger("Options", "ProblemReport", 2); // the list only
    startAdvanced();
    editor()->setText("FROB\r\nDEL A B\r\nREM fine\r\nFROB");
    editor()->setCursorPosition(2, 3);
    window->BatchSyntaxCheckExecute();
    EXPECT_TRUE(prompter.shown.empty());
    int line = -1, index = -1;
    editor()->getCursorPosition(&line, &index);
    EXPECT_EQ(std::pair(line, index), std::pair(2, 3)) << "the caret stays where it was";

    auto* list = child<QTreeView>("ProblemsList");
    ASSERT_TRUE(list && list->isVisible());
    const auto* model = list->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(1, 0).data().toString(), "2");
    EXPECT_EQ(model->index(1, 1).data().toString(), "Q013");
    EXPECT_EQ(model->index(1, 2).data().toString(), "warning");
    EXPECT_EQ(child<QLabel>("StatusPanel2")->text(), "3 problems");

    list->setFocus();
    list->setCurrentIndex(model->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(editor()->selectedText(), "DEL A B");

    emit child<app::ProblemsDock>("ProblemsDock")->ignoreRequested(0);
    EXPECT_EQ(window->ignoredCommands(), std::vector<std::string>{"FROB"});
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(child<QLabel>("StatusPanel2")->text(), "1 problem");
}

class WindowHelp : public testing_support::WindowTest {
protected:
    void install(app::TForm1& form) override { app::wizard::installEasyLayout(form, prompter, files, settings); }
};

TEST_F(WindowHelp, EveryPageGroupAndDialogHasATopicOfItsOwn) {
    startAdvanced();
    action("EditFind1")->trigger();
    action("Replace1")->trigger();
    std::vector<QWidget*> controls;
    for (auto* widget : window->findChildren<QWidget*>())
        if (widget->objectName().startsWith("TabSheet") || qobject_cast<QGroupBox*>(widget) ||
            qobject_cast<QDialog*>(widget))
            controls.push_back(widget);
    EXPECT_GE(controls.size(), 20u);
    const auto* welcome = child<QWidget>("TabSheet5");
    for (const auto* control : controls) {
        const bool onWelcome = welcome && (control == welcome || welcome->isAncestorOf(control));
        const int topic = app::help::helpContextOf(control);
        EXPECT_NE(topic, 0) << control->objectName().toStdString();
        EXPECT_EQ(topic == core::info::help::WELCOME, onWelcome) << control->objectName().toStdString();
    }
    editor()->setFocus();
    app::help::ContextHelpKey key(help, window.get());
    QTest::keyClick(editor(), Qt::Key_F1);
    EXPECT_EQ(help.lastTopic(), core::info::help::EDITING);
}

} // namespace
