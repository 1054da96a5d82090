#include "app/main_window.h"

#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

TEST(MainWindow, StartsWithCaptionSizeAndThreeLayouts) {
    app::TForm1 window;
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Quillet");
    EXPECT_EQ(window.minimumSize(), QSize(800, 565));
    EXPECT_EQ(window.maximumSize(), QSize(1152, 864));
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "Easy");
    EXPECT_EQ(pages->tabText(1), "Advanced");
    EXPECT_EQ(pages->tabText(2), "Welcome");
    EXPECT_NE(window.findChild<QWidget*>("RichEdit1"), nullptr);
}
