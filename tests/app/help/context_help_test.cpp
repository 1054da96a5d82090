#include "app/help/context_help.h"

#include "support/recording_help_viewer.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using app::help::setHelpContext;

// A window shaped like the program's: a page with a context, a group inside
// it with its own, controls without one, and a Help > Contents action on F1.
struct Window {
    QWidget top;
    QWidget* page = new QWidget(&top);
    QGroupBox* group = new QGroupBox(page);
    QLineEdit* inGroup = new QLineEdit(group);
    QLineEdit* onPage = new QLineEdit(page);
    QLineEdit* bare = new QLineEdit(&top);
    QAction contents{&top};
    int contentsShown = 0;

    Window() {
        auto* layout = new QVBoxLayout(&top);
        layout->addWidget(page);
        layout->addWidget(bare);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(group);
        pageLayout->addWidget(onPage);
        (new QVBoxLayout(group))->addWidget(inGroup);
        setHelpContext(page, 1000);
        setHelpContext(group, 3250);
        contents.setShortcut(Qt::Key_F1);
        top.addAction(&contents);
        QObject::connect(&contents, &QAction::triggered, [this] { ++contentsShown; });
        top.show();
        QApplication::setActiveWindow(&top);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&top));
    }
};

TEST(ContextHelp, F1OpensTheFocusedControlsTopicOrElseTheContents) {
    Window w;
    testing_support::RecordingHelpViewer help;
    app::help::ContextHelpKey key(help, &w.top);
    // The nearest parent with a number decides; with none, the menu's F1 shows the contents.
    const struct {
        QWidget* focus;
        int topic;
        int contents;
    } cases[] = {{w.inGroup, 3250, 0}, {w.onPage, 1000, 0}, {w.bare, 1000, 1}};
    for (const auto& c : cases) {
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_F1);
        EXPECT_EQ(help.lastTopic(), c.topic) << c.focus->metaObject()->className();
        EXPECT_EQ(w.contentsShown, c.contents);
    }
    w.inGroup->setFocus();
    QTest::keyClick(w.inGroup, Qt::Key_F1, Qt::ShiftModifier); // not plain F1: not ours
    EXPECT_EQ(help.lastTopic(), 1000);
}

// In a modal dialog the window's F1 shortcut cannot fire. An input box opened
// from a control takes that control's topic; with none, the contents open.
TEST(ContextHelp, F1InAModalDialogWithoutATopicOpensItsOwnersOrTheContents) {
    Window w;
    testing_support::RecordingHelpViewer help;
    app::help::ContextHelpKey key(help, &w.top);
    const struct {
        QWidget* owner;
        int topic;
    } cases[] = {{w.inGroup, 3250}, {w.bare, 0}};
    for (const auto& c : cases) {
        c.owner->setFocus();
        QInputDialog box(&w.top);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QApplication::setActiveWindow(&box);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        auto* field = box.findChild<QLineEdit*>();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        EXPECT_EQ(help.lastTopic(), c.topic) << c.owner->metaObject()->className();
        EXPECT_EQ(w.contentsShown, 0);
    }
}

} // namespace
