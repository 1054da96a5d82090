// The layout fits the window's design size, and (on request) screenshots of
// every page for the documentation.
#include "app/main_window.h"
#include "app/wizard/easy_layout.h"
#include "app/wizard/install_easy_layout.h"
#include "app/wizard/update_options_dialog.h"
#include "core/settings/memory_settings_store.h"
#include "support/recording_help_viewer.h"
#include "platform/qt_printer.h"

#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The main window on the Easy page, resized to a client size.
struct Host {
    testing_support::ScriptedPrompter prompter;
    testing_support::TempDir temp;
    testing_support::DiskFileSystem files{temp.folder()};
    core::settings::MemorySettingsStore settings;
    testing_support::RecordingHelpViewer help;
    platform::QtPrinter printer;
    app::TForm1 window{{prompter, settings, files, help, printer}};
    app::wizard::EasyLayout* easy = nullptr;

    explicit Host(QSize client) {
        settings.writeBool("PreviousExec", "Hidden", false);
        settings.writeInteger("PreviousExec", "Active", 2);
        easy = &app::wizard::installEasyLayout(window, prompter, files, settings);
        EXPECT_TRUE(window.startUp({}));
        window.resize(client);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

// True when no widget of the page is cut by its parent's edge or shrunk below
// what it needs.
std::vector<std::string> clippedWidgets(QWidget* page) {
    std::vector<std::string> clipped;
    for (auto* child : page->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(page) || child->objectName().isEmpty() || child->objectName().startsWith("qt_") || child->isWindow()) continue;
        const QRect inParent = child->geometry();
        const QRect parentArea = child->parentWidget()->rect();
        const QSize needed = child->minimumSize().expandedTo(child->minimumSizeHint()).boundedTo(child->maximumSize());
        const bool cut = !parentArea.contains(inParent);
        // A wrapping caption needs the height of its lines at its width.
        int neededHeight = needed.height();
        if (child->layout() == nullptr && child->hasHeightForWidth() && qobject_cast<QAbstractButton*>(child))
            neededHeight = child->heightForWidth(child->width());
        const bool squeezed = child->width() < needed.width() || child->height() < neededHeight;
        if (cut || squeezed) clipped.push_back(child->objectName().toStdString());
    }
    return clipped;
}

} // namespace

TEST(EasyLayoutLook, EveryPageFitsTheSmallestAndLargestWindow) {
    for (const QSize client : {QSize(800, 565), QSize(1152, 864)}) {
        // At the smallest size the window must not have grown to make room.
        Host host(client);
        EXPECT_EQ(host.window.size(), client);
        for (int page = 1; page <= 7; ++page) {
            host.easy->setWizardPage(page);
            for (int net = 1; net <= (page == 7 ? 4 : 1); ++net) {
                host.easy->setNetworkPage(net);
                QApplication::processEvents();
                SCOPED_TRACE(testing::Message() << client.width() << "x" << client.height() << " page " << page
                                                << "." << net);
                EXPECT_EQ(clippedWidgets(host.easy), std::vector<std::string>{});
                EXPECT_LE(host.easy->minimumSizeHint().height(), host.easy->height());
                EXPECT_LE(host.easy->minimumSizeHint().width(), host.easy->width());
            }
        }
    }
}

// Writes one picture per page into the folder named by QUILLET_SCREENSHOTS.
TEST(EasyLayoutLook, Screenshots) {
    const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set QUILLET_SCREENSHOTS to a folder to write the pictures";
    Host host(QSize(800, 565));
    const char* names[] = {"file-operations", "user-interaction", "programs", "miscellaneous", "variables-if",
                           "for-attributes"};
    const char* networkNames[] = {"network-sharing", "network-services", "other-network", "server-commands"};
    for (int page = 1; page <= 7; ++page) {
        host.easy->setWizardPage(page);
        for (int net = 1; net <= (page == 7 ? 4 : 1); ++net) {
            host.easy->setNetworkPage(net);
            QTest::qWait(100);
            const QString name = page == 7 ? networkNames[net - 1] : names[page - 1];
            EXPECT_TRUE(host.window.grab().save(folder + "/easy-" + name + ".png"));
        }
    }
    // The update dialog with two sections chosen and two documents open.
    core::wizard::UpdateList list({{"Copy File(s)", 1, true}, {"Set Variables", 16, true},
                                   {"Create an IF statement", 17, false}});
    app::wizard::TForm14 dialog(&host.window);
    QTimer::singleShot(300, [&] {
        dialog.findChild<QWidget*>("CheckListBox1")->setFocus();
        QTest::qWait(100);
        EXPECT_TRUE(dialog.grab().save(folder + "/update-batch-file-dialog.png"));
        dialog.reject();
    });
    dialog.choose(list, {"C:\\JOBS\\BACKUP.BAT", "Untitled.bat"}, 0);
}
