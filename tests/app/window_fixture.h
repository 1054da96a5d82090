#pragma once
// A TForm1 on scripted services: message boxes and dialogs answered from a
// script, settings in memory, files in a temporary folder, help topics
// recorded, printing into a PDF file.
#include "app/main_window.h"
#include "core/settings/memory_settings_store.h"
#include "support/recording_help_viewer.h"
#include "platform/qt_printer.h"
#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

class WindowTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::aids::DiskFileSystem files{dir.folder()};
    testing_support::RecordingHelpViewer help;
    platform::QtPrinter printer;
    std::unique_ptr<app::TForm1> window;

    //! Adds what other parts of the program provide, between construction and start-up.
    virtual void install(app::TForm1&) {}

    //! Creates the window and runs its start-up with these arguments.
    app::TForm1& start(const std::vector<std::string>& arguments = {}) {
        window = std::make_unique<app::TForm1>(app::WindowServices{prompter, settings, files, help, printer});
        install(*window);
        EXPECT_TRUE(window->startUp(arguments));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        return *window;
    }
    //! Starts on the Advanced layout, past the Welcome page.
    app::TForm1& startAdvanced(const std::vector<std::string>& arguments = {}) {
        settings.writeBool("PreviousExec", "Hidden", false);
        settings.writeInteger("PreviousExec", "Active", 1);
        return start(arguments);
    }
    //! Closes the window as the user would (answers are taken from the script).
    bool closeWindow() { return window->close(); }

    template <typename T> T* child(const char* name) const { return window->findChild<T*>(name); }
    QAction* action(const char* name) const { return window->action(name); }
    QsciScintilla* editor() const { return window->editor(); }
    QTabWidget* pages() const { return child<QTabWidget>("PageControl1"); }
    QTabBar* tabs() const { return child<QTabBar>("TabControl1"); }

    std::vector<QString> tabCaptions() const {
        std::vector<QString> out;
        out.reserve(static_cast<std::size_t>(tabs()->count()));
        for (int i = 0; i < tabs()->count(); ++i) out.push_back(tabs()->tabText(i));
        return out;
    }
    //! Captions of the visible top pages, in order.
    std::vector<QString> visiblePages() const {
        std::vector<QString> out;
        for (int i = 0; i < pages()->count(); ++i)
            if (pages()->isTabVisible(i)) out.push_back(pages()->tabText(i));
        return out;
    }
    QString activePage() const { return pages()->tabText(pages()->currentIndex()); }
    std::string stored(const char* section, const char* name) const {
        auto& values = settings.values();
        auto it = values.find({section, name});
        return it == values.end() ? std::string("<absent>") : it->second;
    }
};

} // namespace testing_support
