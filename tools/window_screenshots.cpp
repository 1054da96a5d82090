// Takes the README's screenshots of the window (run it under a virtual
// display: xvfb-run -a -s "-screen 0 1024x768x24" window_screenshots DIR):
// Welcome, Advanced with a checked and coloured example, Editor Options, the
// Find bar, the Problems list of the second of two documents, and the squiggles
// of the check as you type.
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
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

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
                       "IF ERRORLEVEL 1 ECHO Copy failed & GOTO :EOF\r\n"
                       "ECHO Deployed to %TARGET%\r\n"
                       "GOTO DONE\r\n"
                       "\r\n"
                       ":USAGE\r\n"
                       "ECHO Usage: %~nx0 folder\r\n"
                       "ENDLOCAL\r\n";

struct Services {
    testing_support::TempDir dir;
    core::checker::AnswerOkPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::aids::DiskFileSystem files{dir.folder()};
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

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    {
        Services s;
        save(showWindow(s, {}).get(), folder + "/welcome.png");
    }
    Services s;
    s.settings.writeBool("PreviousExec", "Hidden", false);
    s.settings.writeInteger("PreviousExec", "Active", 1);
    s.settings.writeText("Options", "CmdText", "clBlue");
    s.settings.writeText("Options", "LabelText", "clPurple");
    s.settings.writeText("Options", "CmtText", "clGreen");
    auto window = showWindow(s, {s.dir.write("BACKUP.BAT", EXAMPLE)});
    window->BatchSyntaxCheckExecute();
    save(window.get(), folder + "/advanced.png");

    QTimer::singleShot(0, [&] {
        auto* dialog = window->findChild<QDialog*>("TForm7");
        save(dialog, folder + "/editor-options.png");
        dialog->reject();
    });
    window->EditorOptions1Click();

    window->EditFind1Execute();
    auto* find = window->findChild<QWidget*>("FindBar");
    auto* findText = find->findChild<QLineEdit*>("FindText");
    findText->setText("backup");
    QTest::keyClick(findText, Qt::Key_Return);
    QTest::keyClick(findText, Qt::Key_Return);
    save(window.get(), folder + "/find.png");
    QTest::keyClick(findText, Qt::Key_Escape);

    // Today's rules, checked as you type: two documents, the second in front.
    s.settings.writeInteger("Options", "CheckRules", 2);
    window->documents().openFile(s.dir.write("DEPLOY.BAT", DEPLOY));
    auto* status = window->findChild<QLabel*>("StatusPanel2");
    if (!QTest::qWaitFor([&] { return status->text().endsWith("problems"); }, 10000)) std::abort();
    window->editor()->setCursorPosition(2, 0);
    save(window.get(), folder + "/problems-two-documents.png");
    window->editor()->setCursorPosition(8, 0);
    QTest::keyClicks(window->editor(), "GOTO DEPLY");
    QTest::qWait(1500);
    save(window->editor(), folder + "/squiggles.png");
    return 0;
}
