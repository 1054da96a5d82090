// Takes the screenshots of the editing aids' dialogs over the window (run it
// under a virtual display: xvfb-run -a -s "-screen 0 1024x768x24"
// aids_screenshots DIR): Insert Command Template, Insert Filename, Insert
// Path and Variable Select.
#include "app/aids/aids_commands.h"
#include "app/main_window.h"
#include "app/wizard/install_easy_layout.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/settings/memory_settings_store.h"
#include "platform/qt_printer.h"
#include "core/aids/disk_file_system.h"
#include "support/recording_help_viewer.h"
#include "support/recording_shell.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QTest>

namespace {

struct Services {
    testing_support::TempDir dir;
    core::checker::AnswerOkPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::aids::DiskFileSystem files{dir.folder()};
    testing_support::RecordingHelpViewer help;
    platform::QtPrinter printer;
    testing_support::RecordingShell shell;
};

//! Shows the dialog of a command beside the window's editor and saves it.
QDialog* show(app::TForm1& window, const char* command, const char* dialogName) {
    window.action(command)->trigger();
    auto* dialog = window.findChild<QDialog*>(dialogName);
    dialog->move(window.geometry().topLeft() + QPoint(380, 120));
    return dialog;
}

void save(QWidget* widget, const QString& file) {
    QTest::qWait(300);
    widget->grab().save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Services s;
    s.settings.writeBool("PreviousExec", "Hidden", false);
    s.settings.writeInteger("PreviousExec", "Active", 1);
    s.settings.writeBool("Templates", "Files", true);
    s.dir.write("Files.qlt", "C:\\REPORTS\\MONTHLY SUMMARY.TXT\r\nC:\\DATA\\CUSTOMERS.DBF\r\n");
    app::TForm1 window({s.prompter, s.settings, s.files, s.help, s.printer});
    app::wizard::installEasyLayout(window, s.prompter, s.files, s.settings);
    new app::aids::AidsCommands(window, {s.prompter, s.settings, s.files, s.shell});
    window.startUp({s.dir.write("BACKUP.BAT", "@ECHO OFF\r\nSET SOURCE=C:\\REPORTS\r\nSET TEMPDIR=C:\\TMP\r\n"
                                              "SET TARGET=D:\\BACKUP\r\nCOPY %SOURCE%\\*.TXT %TARGET%\r\n")});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    auto* templates = show(window, "EditInsert1", "TInsertCommandSelect");
    auto* list = templates->findChild<QListWidget*>("ListBox1");
    list->setCurrentRow(list->count() - 3); // PAUSE
    save(templates, folder + "/insert-command-template.png");
    templates->close();

    auto* filename = show(window, "InsertFilename1", "TForm9");
    filename->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
    save(filename, folder + "/insert-filename.png");
    filename->close();

    auto* path = show(window, "InsertPath1", "TForm10");
    path->findChild<QComboBox*>("ComboBox1")->setEditText("C:\\PROGRA~1\\QUILLET");
    path->findChild<QListWidget*>("ListBox1")->setCurrentRow(2);
    save(path, folder + "/insert-path.png");
    path->close();

    window.BatchSyntaxCheckExecute(); // fills the variable list
    auto* variables = show(window, "EditInsertVariable", "TForm12");
    variables->findChild<QListWidget*>("ListBox1")->setCurrentRow(1);
    save(variables, folder + "/variable-select.png");
    if (argc > 2) QTest::qWait(std::atoi(argv[2])); // time for a screenshot of the whole screen
    return 0;
}
