#include "app/help/about_box.h"
#include "app/help/help_commands.h"

#include "core/aids/disk_file_system.h"
#include "support/recording_help_viewer.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using app::help::TVersionAwareAbout;

TEST(AboutBox, ShowsTheVersionTextAndItsLinksOpenInTheShell) {
    testing_support::RecordingShell shell;
    testing_support::ScriptedPrompter prompter;
    const core::info::VersionRecord record{"Quillet", "2.2.0", "", "Batch file editor", "2.2.0.7", "", ""};
    TVersionAwareAbout box(record, shell, prompter);
    EXPECT_EQ(box.findChild<QPlainTextEdit*>("reVersionInfo")->toPlainText(),
              "Product Version:   2.2.0\nBatch file editor\nFile Version:   2.2.0.7");
    emit box.findChild<QLabel*>("WebsiteLink")->linkActivated("#");
    emit box.findChild<QLabel*>("EmailLink")->linkActivated("#");
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://www.marrowfen.example/quillet/",
                                                      "mailto:quillet@marrowfen.example?subject=Quillet"}));
}

TEST(HelpCommands, EachHelpMenuEntryDoesItsJob) {
    testing_support::RecordingHelpViewer help;
    testing_support::RecordingShell shell;
    testing_support::ScriptedPrompter prompter;
    core::aids::DiskFileSystem files("/data/", "/opt/quillet/");
    std::map<QString, std::function<void()>> handlers;
    app::help::connectHelpCommands([&](const QString& name, std::function<void()> handler) { handlers[name] = std::move(handler); },
                                   {help, shell, files, prompter, nullptr});
    const std::pair<const char*, int> topics[] = {{"HelpContents", 0}, {"GraphicalHelp1", 1015}, {"GettingStarted1", 992}};
    for (const auto& [name, topic] : topics) {
        handlers.at(name)();
        EXPECT_EQ(help.lastTopic(), topic) << name;
    }
    handlers.at("Tutorials1")();
    handlers.at("ContactSupport1")();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "/opt/quillet/Examples/Tutorials.html");
    EXPECT_TRUE(shell.opened[1].starts_with("mailto:support@marrowfen.example?subject=Technical%20Support%20for%20Quillet%20"));

    QString shownTitle;
    QTimer::singleShot(0, [&shownTitle] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shownTitle = box->windowTitle();
            box->accept();
        }
    });
    handlers.at("HelpAbout")();
    EXPECT_EQ(shownTitle, "Quillet");
}

} // namespace
