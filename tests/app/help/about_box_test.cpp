#include "app/help/about_box.h"
#include "app/help/help_commands.h"

#include "help_fakes.h"
#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

using app::help::TVersionAwareAbout;

QString versionText(const TVersionAwareAbout& box) {
    return box.findChild<QPlainTextEdit*>("reVersionInfo")->toPlainText();
}

TEST(AboutBox, VersionTextAndLinks) {
    help_testing::RecordingShell shell;
    testing_support::ScriptedPrompter prompter;
    const core::info::VersionRecord record{"Quillet", "2.2.0", "", "Batch file editor", "2.2.0.7", "", ""};
    TVersionAwareAbout box(record, shell, prompter);
    EXPECT_EQ(box.windowTitle(), "Quillet");
    EXPECT_EQ(versionText(box), "Product Version:   2.2.0\nBatch file editor\nFile Version:   2.2.0.7");
    EXPECT_TRUE(box.findChild<QPlainTextEdit*>("reVersionInfo")->isReadOnly());
    EXPECT_FALSE(box.findChild<QLabel*>("Image1")->pixmap().isNull());

    auto* website = box.findChild<QLabel*>("WebsiteLink");
    auto* mail = box.findChild<QLabel*>("EmailLink");
    EXPECT_TRUE(website->text().contains("Click here to visit the Marrowfen Software Website"));
    EXPECT_TRUE(mail->text().contains("Comments? Suggestions? Enquires? Email me"));
    emit website->linkActivated("#");
    emit mail->linkActivated("#");
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://www.marrowfen.example/quillet/",
                                                      "mailto:quillet@marrowfen.example?subject=Quillet"}));
}

TEST(HelpCommands, EachHelpMenuEntryDoesItsJob) {
    help_testing::RecordingHelp help;
    help_testing::RecordingShell shell;
    testing_support::ScriptedPrompter prompter;
    testing_support::DiskFileSystem files("/data/", "/opt/quillet/");
    std::map<QString, std::function<void()>> handlers;
    app::help::connectHelpCommands([&](const QString& name, std::function<void()> handler) { handlers[name] = handler; },
                                   {help, shell, files, prompter, nullptr});
    for (const char* name : {"HelpContents", "GraphicalHelp1", "GettingStarted1", "Tutorials1", "ContactSupport1"})
        handlers.at(name)();
    EXPECT_EQ(help.topics, (std::vector<int>{0, 1015, 992}));
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
