// Every page of the layout fits the window's smallest and largest size.
#include "app/main_window.h"
#include "app/wizard/easy_layout.h"
#include "app/wizard/install_easy_layout.h"
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
