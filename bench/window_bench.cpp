// Timings of the window, offscreen (run: build/.../bench/bench_window):
// start-up to the first shown window, opening a 10 MB file, F7 with colouring
// on 100,000 passing lines, F7 with the Problems list on 600,000 lines (with
// its floors: taking the text out of the editor, and the check alone),
// switching tabs between two 100,000-line documents, and resident memory with
// the 10 MB file open. F7's lines give the processor time too (all threads),
// the steadier figure on a shared machine.
#include "app/main_window.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/editor_check.h"
#include "core/text/checker_lines.h"
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
#include <ctime>
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

// Wall and processor time of one step.
class Timed {
public:
    Timed() : m_wall(Clock::now()), m_cpu(std::clock()) {}
    void report(const char* what, double goal) const {
        const double cpu = 1000.0 * static_cast<double>(std::clock() - m_cpu) / CLOCKS_PER_SEC;
        const double wall = millisecondsSince(m_wall);
        std::printf("%-52s %9.1f ms (%6.1f ms CPU)   %s%s\n", what, wall, cpu,
                    goal > 0 ? "goal under 1000 ms wall" : "", goal > 0 && wall >= goal ? "  <-- over" : "");
    }

private:
    Clock::time_point m_wall;
    std::clock_t m_cpu;
};

class DiscardColours : public core::checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan&) override {}
};

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
    while (window.editorView().coloursPending()) QApplication::processEvents();
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
        const Timed f7;
        window.BatchSyntaxCheckExecute();
        QApplication::processEvents();
        f7.report(mode == 2 ? "F7 on 600,000 lines, 50,000 findings, list only" : "F7 on 600,000 lines, boxes answered OK",
                  1000);
        // The lines off screen take their colours while the window is idle.
        while (window.editorView().coloursPending()) QApplication::processEvents();
        f7.report("  ... until every line has its colours", 0);
    }
    const Timed taking;
    const core::text::CheckerLines lines(window.editorView().text());
    taking.report("  floor: taking the text out of the editor, split", 0);
    const Timed checking;
    DiscardColours discard;
    auto lists = window.pickLists();
    auto ignored = window.ignoredCommands();
    core::checker::FindingList findings;
    core::checker::lintLines(lines.lines(), core::checker::RuleChoice::Automatic, discard, lists, ignored, findings);
    checking.report("  floor: the check alone (rules picked, no colours)", 0);
    const Timed picking;
    const auto rules = core::checker::pickRuleSet(lines.lines(), core::checker::RuleChoice::Automatic);
    picking.report(rules == core::checker::RuleSet::Classic ? "    of which picking the rules (classic)" : "    of which picking the rules", 0);
    window.documents().closeFile();
    return 0;
}
