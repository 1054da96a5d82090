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
    const std::string outside = "<b>2.9</b> <a href=\"http://x\">news</a> <img src=x>";
    platform::QtPrompter prompter;
    std::vector<std::pair<QString, Qt::TextFormat>> labels;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        for (const auto* label : dialog->findChildren<QLabel*>())
            if (label->text().contains("2.9")) labels.emplace_back(label->text(), label->textFormat());
        dialog->close();
    });
    poll.start(10);
    prompter.message(core::ports::MessageKind::Information, core::ports::Buttons::Ok, outside);
    prompter.inputBox("Caption", outside, "");
    const auto typed = QString::fromStdString(outside);
    EXPECT_EQ(labels, (std::vector<std::pair<QString, Qt::TextFormat>>{{typed, Qt::PlainText}, {typed, Qt::PlainText}}));
}

} // namespace
