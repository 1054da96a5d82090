// Takes the screenshots of the help (run it under a virtual display:
// xvfb-run -a -s "-screen 0 1024x768x24" help_screenshots DIR): the help
// window at its contents and at a topic, the About box, the tutorial page.
#include "app/help/about_box.h"
#include "app/help/help_window.h"
#include "core/info/help_contexts.h"

#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

namespace {

struct NoShell : core::ports::Shell {
    bool open(const std::string&, std::string&) override { return true; }
};

void save(QWidget& widget, const QString& file) {
    QTest::qWait(300);
    widget.grab().save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::string resources = std::string(QUILLET_RESOURCES_DIR) + "/";
    core::aids::DiskFileSystem files("/nowhere/", resources);

    app::help::HelpWindow help(files);
    help.showContents();
    save(help, dir + "/help-contents.png");
    help.showTopic(core::info::help::UPDATE_LIST);
    save(help, dir + "/help-topic.png");
    help.search(QStringLiteral("shorten path"));
    save(help, dir + "/help-search.png");

    NoShell shell;
    testing_support::ScriptedPrompter prompter;
    app::help::TVersionAwareAbout about(core::info::programVersionRecord(), shell, prompter);
    about.show();
    save(about, dir + "/about.png");

    QTextBrowser tutorial;
    tutorial.resize(820, 700);
    tutorial.setSource(QUrl::fromLocalFile(QString::fromStdString(resources) + "Examples/Tutorials.html"));
    tutorial.show();
    save(tutorial, dir + "/tutorial.png");
    return 0;
}
