#include "app/help/context_help.h"

#include "help_fakes.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using app::help::helpContextOf;
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

TEST(ContextHelp, NearestParentWithANumberDecides) {
    Window w;
    EXPECT_EQ(helpContextOf(w.inGroup), 3250);
    EXPECT_EQ(helpContextOf(w.group), 3250);
    EXPECT_EQ(helpContextOf(w.onPage), 1000);
    EXPECT_EQ(helpContextOf(w.bare), 0);
    EXPECT_EQ(helpContextOf(nullptr), 0);
}

TEST(ContextHelp, F1OpensTheFocusedControlsTopicOrElseTheContents) {
    Window w;
    help_testing::RecordingHelp help;
    app::help::ContextHelpKey key(help, &w.top);
    const struct {
        QWidget* focus;
        std::vector<int> topics;
        int contents;
    } cases[] = {
        {w.inGroup, {3250}, 0},
        {w.onPage, {3250, 1000}, 0},
        {w.bare, {3250, 1000}, 1}, // no context: the menu's F1 shows the contents
    };
    for (const auto& c : cases) {
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_F1);
        EXPECT_EQ(help.topics, c.topics) << c.focus->metaObject()->className();
        EXPECT_EQ(w.contentsShown, c.contents);
    }
    QTest::keyClick(w.bare, Qt::Key_F1, Qt::ShiftModifier); // not plain F1: not ours
    EXPECT_EQ(help.topics.size(), 2u);
}

} // namespace
