#include "platform/qt_prompter.h"

#include "support/case_file.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(QtFileFilter, PairsBecomeQtFilters) {
    const auto cases = testing_support::readCases(PLATFORM_TEST_DATA "/file_filters.txt", {});
    EXPECT_EQ(cases.size(), 6u);
    for (const auto& c : cases) EXPECT_EQ(platform::qtFileFilter(c.name), QString::fromStdString(c[""].at(0))) << c.where;
}

// Escape and the title bar's close button never mean a "No" that discards work.
TEST(QtPrompter, EscapeAndCloseMeanCancelWhenTheBoxHasIt) {
    using core::ports::Answer;
    using core::ports::Buttons;
    // The buttons, Escape (else the window is closed), the answer.
    const std::tuple<Buttons, bool, Answer> cases[] = {
        {Buttons::YesNoCancel, true, Answer::Cancel},
        {Buttons::YesNoCancel, false, Answer::Cancel},
        {Buttons::YesNo, true, Answer::No},
        {Buttons::OkIgnoreAbort, true, Answer::Abort},
    };
    for (const auto& [buttons, escape, expected] : cases) {
        QTimer::singleShot(0, [escape = escape] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            if (escape) QTest::keyClick(box, Qt::Key_Escape);
            else box->close();
        });
        platform::QtPrompter prompter(nullptr);
        EXPECT_EQ(prompter.message(core::ports::MessageKind::Confirmation, buttons, "Save?"), expected);
    }
}

// Boxes quote file names, server replies and error texts: markup in them shows as typed.
TEST(QtPrompter, OutsideTextShowsAsTyped) {
    const std::string outside = "<b>2.9</b> <a href=\"http://x\">news</a>";
    platform::QtPrompter prompter;
    std::vector<Qt::TextFormat> formats;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            for (const auto* label : dialog->findChildren<QLabel*>())
                if (label->text() == QString::fromStdString(outside)) formats.push_back(label->textFormat());
            dialog->close();
        }
    });
    poll.start(10);
    prompter.message(core::ports::MessageKind::Information, core::ports::Buttons::Ok, outside);
    prompter.inputBox("Caption", outside, "");
    EXPECT_EQ(formats, (std::vector<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
}

} // namespace
