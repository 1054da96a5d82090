// Timings of the window, offscreen (run: build/.../bench/bench_window):
// start-up to the first shown window, opening a 10 MB file, F7 with colouring
// on 100,000 passing lines, F7 with the Problems list on 600,000 lines,
// switching tabs between two 100,000-line
// documents, and resident memory with the 10 MB file open.
#include "app/main_window.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/editor_check.h"
#include "core/settings/memory_settings_store.h"
#include "support/recording_help_viewer.h"
#include "platform/qt_printer.h"
#include "core/aids/disk_file_system.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, double value, const char* unit, double goal) {
    std::printf("%-52s %9.1f %s   (goal under %.0f %s)%s\n", what, value, unit, goal, unit, value < goal ? "" : "  <-- over");
}

std::string writeLines(const testing_support::TempDir& dir, const char* name, std::size_t count,
                       const std::string& (*line)(std::size_t)) {
    std::ofstream out(dir.file(name), std::ios::binary);
    for (std::size_t i = 0; i < count; ++i) out << line(i) << "\r\n";
    return dir.file(name);
}

const std::string& passingLine(std::size_t i) {
    static const std::string LINES[] = {"@ECHO OFF", ":LOOP", "REM a comment that the check colours", "CLS",
                                        "ECHO Copying the files of the day", "PAUSE"};
    return LINES[i % std::size(LINES)];
}

const std::string& bigFileLine(std::size_t i) {
    static const std::string LINES[] = {"COPY C:\\DATA\\REPORT.TXT D:\\BACKUP\\REPORT.TXT",
                                        "ECHO Backing up the reports of the week, please wait",
                                        "IF EXIST C:\\DATA\\OLD.TXT DEL C:\\DATA\\OLD.TXT"};
    return LINES[i % std::size(LINES)];
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 20, '\n');
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    const auto launched = Clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing_support::TempDir dir;
    core::checker::AnswerOkPrompter prompter;
    core::settings::MemorySettingsStore settings;
    settings.writeBool("PreviousExec", "Hidden", false);
    settings.writeInteger("PreviousExec", "Active", 1);
    core::aids::DiskFileSystem files{dir.folder()};
    testing_support::RecordingHelpViewer help;
    platform::QtPrinter printer;

    app::TForm1 window({prompter, settings, files, help, printer});
    window.startUp({});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    report("start-up to the first shown window", millisecondsSince(launched), "ms", 500);

    const auto big = writeLines(dir, "big.bat", 10 * 1024 * 1024 / 50, bigFileLine);
    auto start = Clock::now();
    window.documents().openFile(big);
    QApplication::processEvents();
    report("opening a 10 MB file into the editor", millisecondsSince(start), "ms", 1000);
    report("resident memory with the 10 MB file open", static_cast<double>(residentKilobytes()) / 1024.0, "MB", 250);
    window.documents().closeFile();

    const auto first = writeLines(dir, "first.bat", 100000, passingLine);
    const auto second = writeLines(dir, "second.bat", 100000, passingLine);
    window.documents().openFile(first);
    start = Clock::now();
    core::checker::checkEditor(window.editorView(), prompter, window.pickLists(), window.ignoredCommands());
    QApplication::processEvents();
    report("F7 with colouring on 100,000 passing lines", millisecondsSince(start), "ms", 1500);

    window.documents().openFile(second);
    auto* tabs = window.findChild<QTabBar*>("TabControl1");
    const int firstTab = tabs->count() - 2;
    start = Clock::now();
    tabs->setCurrentIndex(firstTab);
    QApplication::processEvents();
    report("switching to the other 100,000-line document", millisecondsSince(start), "ms", 300);
    start = Clock::now();
    tabs->setCurrentIndex(firstTab + 1);
    QApplication::processEvents();
    report("... and back", millisecondsSince(start), "ms", 300);

    // The F7 command itself on 600,000 lines, one in twelve a finding: the
    // check, the colours, the Problems list and its margin markers.
    const auto huge = writeLines(dir, "huge.bat", 600000, [](std::size_t i) -> const std::string& {
        static const std::string FROB = "FROB the unknown command";
        return i % 12 == 11 ? FROB : passingLine(i);
    });
    window.documents().openFile(huge);
    for (const int mode : {2, 1}) {
        settings.writeInteger("Options", "ProblemReport", mode);
        start = Clock::now();
        window.BatchSyntaxCheckExecute();
        QApplication::processEvents();
        report(mode == 2 ? "F7 on 600,000 lines, 50,000 findings, list only"
                             : "F7 on 600,000 lines, boxes answered OK",
                 millisecondsSince(start), "ms", 1000);
    }
    window.documents().closeFile();
    return 0;
}
