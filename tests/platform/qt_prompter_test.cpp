#include "platform/qt_prompter.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(QtFileFilter, PairsBecomeQtFilters) {
    struct Case {
        std::string in;
        QString out;
    };
    const Case cases[] = {
        {"Batch Files|*.bat", "Batch Files (*.bat)"},
        {"Batch Files|*.bat|Text Files|*.txt|All Files|*.*|QLT Config Files|*.qlt",
         "Batch Files (*.bat);;Text Files (*.txt);;All Files (*.*);;QLT Config Files (*.qlt)"},
        {"Batch Files (*.bat)|*.bat|All Files (*.*)|*.*", "Batch Files (*.bat);;All Files (*.*)"},
        {"Programs|*.exe;*.com;*.bat", "Programs (*.exe *.com *.bat)"},
        {"", ""},
        {"Dangling description", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::qtFileFilter(c.in), c.out) << c.in;
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
