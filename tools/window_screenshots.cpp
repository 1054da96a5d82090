// Takes the README's screenshots of the window (run it under a virtual
// display: xvfb-run -a -s "-screen 0 1024x768x24" window_screenshots DIR
// [FILES]): Welcome, Advanced with a checked and coloured example, Editor
// Options, the Find bar after it went round the end, the Problems list of the
// second of two documents, the squiggles of the check as you type, and the
// Problems list's context menu with its fixes. The example files are written
// to FILES (a folder of their own, since the status bar shows their path; a
// temporary folder when none is named).
#include "app/main_window.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/settings/memory_settings_store.h"
#include "support/recording_help_viewer.h"
#include "platform/qt_printer.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTreeView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <fstream>

namespace {

constexpr auto EXAMPLE = "@ECHO OFF\r\n"
                         "REM Nightly backup of the reports folder\r\n"
                         ":START\r\n"
                         "CLS\r\n"
                         "ECHO Backing up the reports...\r\n"
                         "IF NOT EXIST D:\\BACKUP\\NUL MD D:\\BACKUP\r\n"
                         "COPY C:\\REPORTS\\*.TXT D:\\BACKUP\r\n"
                         "TYPE D:\\BACKUP\\INDEX.TXT | MORE\r\n"
                         "PAUSE\r\n"
                         "GOTO END\r\n"
                         ":END\r\n";

constexpr auto DEPLOY = "@ECHO OFF\r\n"
                       "SETLOCAL ENABLEDELAYEDEXPANSION\r\n"
                       "SET TARGET=%~1\r\n"
                       "IF \"%TARGET%\"==\"\" GOTO USAGE\r\n"
                       "FOR %%F IN (*.dll) DO COPY /Y \"%%F\" \"%TARGET%\"\r\n"
                       "IF ERRORLEVEL 1 GOTO FAILED\r\n"
                       "ECHO Deployed to %TARGET%\r\n"
                       "GOTO DONE\r\n"
                       "\r\n"
                       ":USAGE\r\n"
                       "ECHO Usage: %~nx0 folder\r\n"
                       "ENDLOCAL\r\n";

constexpr auto BUILD = "@ECHO OFF\r\n"
                      "SETLOCAL\r\n"
                      "IF EXIST out RD /S /Q out\r\n"
                      "MD out\r\n"
                      "COPY /Y src\\*.txt out\r\n"
                      "IF ERRORLEVEL 1 EXIT \\B 1\r\n"
                      "ECHO Built.\r\n"
                      "EXIT \\B 0\r\n";

struct Services {
    explicit Services(std::string where) : folder(std::move(where)) {}
    std::string write(const std::string& name, const std::string& text) const {
        if (folder.empty()) return dir.write(name, text);
        QDir().mkpath(QString::fromStdString(folder));
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
        return folder + "/" + name;
    }
    testing_support::TempDir dir;
    std::string folder;
    core::checker::AnswerOkPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::aids::DiskFileSystem files{folder.empty() ? dir.folder() : folder};
    testing_support::RecordingHelpViewer help;
    platform::QtPrinter printer;
};

void save(QWidget* widget, const QString& file) {
    QTest::qWait(300);
    widget->grab().save(file);
}

std::unique_ptr<app::TForm1> showWindow(Services& s, const std::vector<std::string>& arguments) {
    s.settings.writeInteger("PreviousExec", "Height", 565);
    auto window = std::make_unique<app::TForm1>(app::WindowServices{s.prompter, s.settings, s.files, s.help, s.printer});
    window->startUp(arguments);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) std::abort();
    return window;
}

// The window with the Problems list's context menu open on its first row (a
// menu is a window of its own, so the screen is grabbed).
void saveProblemsMenu(app::TForm1& window, const QString& file) {
    auto* list = window.findChild<QTreeView*>("ProblemsList");
    QTimer::singleShot(300, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) std::abort();
        const QRect area = window.frameGeometry().united(menu->geometry());
        QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
        menu->close();
    });
    emit list->customContextMenuRequested(list->visualRect(list->model()->index(0, 0)).center());
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::string files = argc > 2 ? argv[2] : "";
    {
        Services s(files);
        save(showWindow(s, {}).get(), folder + "/welcome.png");
    }
    Services s(files);
    s.settings.writeBool("PreviousExec", "Hidden", false);
    s.settings.writeInteger("PreviousExec", "Active", 1);
    s.settings.writeText("Options", "CmdText", "clBlue");
    s.settings.writeText("Options", "LabelText", "clPurple");
    s.settings.writeText("Options", "CmtText", "clGreen");
    auto window = showWindow(s, {s.write("BACKUP.BAT", EXAMPLE)});
    window->BatchSyntaxCheckExecute();
    save(window.get(), folder + "/advanced.png");

    QTimer::singleShot(0, [&] {
        auto* dialog = window->findChild<QDialog*>("TForm7");
        save(dialog, folder + "/editor-options.png");
        dialog->reject();
    });
    window->EditorOptions1Click();

    // Today's rules, checked as you type: two documents, the second in front.
    s.settings.writeInteger("Options", "CheckRules", 2);
    window->documents().openFile(s.write("DEPLOY.BAT", DEPLOY));
    auto* status = window->findChild<QLabel*>("StatusPanel2");
    if (!QTest::qWaitFor([&] { return status->text().endsWith("problems"); }, 10000)) {
        qWarning() << "no problems shown:" << status->text();
        std::abort();
    }
    window->BatchSyntaxCheckExecute();
    window->editor()->setCursorPosition(2, 0);
    save(window.get(), folder + "/problems-two-documents.png");
    // A line typed at the end (a GOTO after the unconditional one on line 8 is never reached, so not checked).
    window->editor()->setCursorPosition(11, 8);
    QTest::keyClick(window->editor(), Qt::Key_Return);
    QTest::keyClicks(window->editor(), "GOTO DEPLY");
    QTest::qWait(1500);
    save(window->editor(), folder + "/squiggles.png");

    // "target" typed, every match highlighted, Enter until the search goes round the end.
    window->EditFind1Execute();
    auto* find = window->findChild<QWidget*>("FindBar");
    auto* findText = find->findChild<QLineEdit*>("FindText");
    findText->setText("target");
    for (int match = 0; match < 5; ++match) QTest::keyClick(findText, Qt::Key_Return);
    save(window.get(), folder + "/find.png");
    QTest::keyClick(findText, Qt::Key_Escape);

    window->documents().openFile(s.write("BUILD.CMD", BUILD));
    s.settings.writeInteger("Options", "ProblemReport", 2);
    window->BatchSyntaxCheckExecute();
    saveProblemsMenu(*window, folder + "/problems-fix-menu.png");
    return 0;
}
