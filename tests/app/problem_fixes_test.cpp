// Fix and Fix All Like This from the Problems list's context menu: enabled on
// a row with a fix, each one undo step, the list checked again afterwards.
#include "app/problems/problems_dock.h"
#include "app/window_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QTreeView>

namespace {

class ProblemFixes : public testing_support::WindowTest {
protected:
    QTreeView* list() { return child<QTreeView>("ProblemsList"); }
    int rowOf(const QString& code) {
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            if (list()->model()->index(row, 1).data().toString() == code) return row;
        return -1;
    }
    // The enabled state of Fix and Fix All Like This in the row's context menu.
    std::pair<bool, bool> menuOf(int row) {
        std::pair<bool, bool> enabled{false, false};
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            enabled = {menu->findChild<QAction*>("ProblemsFix")->isEnabled(),
                       menu->findChild<QAction*>("ProblemsFixAll")->isEnabled()};
            menu->close();
        });
        emit list()->customContextMenuRequested(list()->visualRect(list()->model()->index(row, 0)).center());
        return enabled;
    }
};

TEST_F(ProblemFixes, FixAndFixAllAreOneUndoStepEach) {
    settings.writeInteger("Options", "ProblemReport", 2); // the list only
    settings.writeInteger("Options", "CheckRules", 2);    // the command interpreter's rules
    startAdvanced();
    editor()->setText("setlocal\r\nIF x==y (\r\n)\r\nELSE (\r\n)\r\nIF x==y EXIT \\B 1\r\nexit \\b 2");
    window->BatchSyntaxCheckExecute();
    ASSERT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(menuOf(rowOf("Q102")), std::pair(true, true));

    auto* dock = child<app::ProblemsDock>("ProblemsDock");
    emit dock->fixRequested(static_cast<std::size_t>(rowOf("Q106")));
    EXPECT_EQ(editor()->text(), "setlocal\r\nIF x==y (\r\n) ELSE (\r\n)\r\nIF x==y EXIT \\B 1\r\nexit \\b 2");
    EXPECT_EQ(list()->model()->rowCount(), 2) << "checked again";
    action("Undo1")->trigger();
    EXPECT_EQ(editor()->text(), "setlocal\r\nIF x==y (\r\n)\r\nELSE (\r\n)\r\nIF x==y EXIT \\B 1\r\nexit \\b 2");

    window->BatchSyntaxCheckExecute();
    emit dock->fixAllRequested(static_cast<std::size_t>(rowOf("Q102")));
    EXPECT_EQ(editor()->text(), "setlocal\r\nIF x==y (\r\n)\r\nELSE (\r\n)\r\nIF x==y EXIT /B 1\r\nexit /b 2");
    EXPECT_EQ(rowOf("Q102"), -1);
    action("Undo1")->trigger();
    EXPECT_EQ(editor()->text(), "setlocal\r\nIF x==y (\r\n)\r\nELSE (\r\n)\r\nIF x==y EXIT \\B 1\r\nexit \\b 2");
}

TEST_F(ProblemFixes, ARowWithoutAFixOffersNone) {
    settings.writeInteger("Options", "ProblemReport", 2);
    settings.writeInteger("Options", "CheckRules", 2);
    startAdvanced();
    editor()->setText("setlocal\r\nIF x==y (\r\nECHO never closed");
    window->BatchSyntaxCheckExecute();
    ASSERT_EQ(list()->model()->rowCount(), 1);
    EXPECT_EQ(menuOf(0), std::pair(false, false));
}

} // namespace
