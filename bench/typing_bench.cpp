// Typing latency in the window, offscreen, on a 100,000-line file under
// today's interpreter rules (run: build/.../bench/bench_typing): once with the
// check as you type off — the floor — and once with it on, in the same run.
// The user types bursts of ten keys a tenth of a second apart, then pauses
// for 0.7 s, so the check runs (on its worker thread) and its result is shown
// while the next burst comes. For each key: the time from pressing it until
// the window is idle again; and the longest the window's thread was busy in
// one go while nothing was typed (showing a result), measured by a timer that
// ticks every 5 ms and notes how late it was.
#include "app/live_checker.h"
#include "app/main_window.h"
#include "core/aids/disk_file_system.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/settings/memory_settings_store.h"
#include "platform/qt_printer.h"
#include "support/recording_help_viewer.h"
#include "support/temp_dir.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A file of today's batch code, one line in fifty a finding (an unknown label).
std::string writeFile(const testing_support::TempDir& dir, std::size_t lines) {
    static const std::string LINES[] = {"@ECHO OFF", "SETLOCAL ENABLEDELAYEDEXPANSION", ":LOOP",
                                        "IF EXIST \"%~dp0data.txt\" COPY /Y \"%~dp0data.txt\" \"%TEMP%\\data.txt\"",
                                        "FOR %%F IN (*.log) DO ECHO %%F", "SET /A COUNT+=1", "REM a comment"};
    std::ofstream out(dir.file("big.bat"), std::ios::binary);
    for (std::size_t i = 0; i < lines; ++i) out << (i % 50 == 49 ? std::string("GOTO NOWHERE") : LINES[i % 7]) << "\r\n";
    return dir.file("big.bat");
}

struct Figures {
    std::vector<double> keys;
    double longestStall = 0;
    int results = 0;
    double checkToResult = 0; //!< from the last key of a burst to the result shown, the mean
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

Figures typeInto(app::TForm1& window, int bursts) {
    Figures figures;
    auto* editor = window.editor();
    editor->setFocus();
    editor->setCursorPosition(5000, 0);
    auto lastKey = Clock::now();
    double checkTotal = 0;
    if (auto* checker = window.findChild<app::LiveChecker*>("LiveChecker")) {
        QObject::connect(checker, &app::LiveChecker::checked, &window, [&] {
            ++figures.results;
            checkTotal += millisecondsSince(lastKey);
        });
    }
    // Lateness of a 5 ms tick while no key is pressed: how long the thread was busy.
    QElapsedTimer sinceTick;
    bool typing = false;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, &window, [&] {
        if (!typing) figures.longestStall = std::max(figures.longestStall, static_cast<double>(sinceTick.elapsed()) - 5);
        sinceTick.restart();
    });
    sinceTick.start();
    tick.start();
    for (int burst = 0; burst < bursts; ++burst) {
        for (int key = 0; key < 10; ++key) {
            typing = true;
            const auto pressed = Clock::now();
            QTest::keyClick(editor, static_cast<char>('a' + key));
            QApplication::processEvents();
            figures.keys.push_back(millisecondsSince(pressed));
            lastKey = Clock::now();
            sinceTick.restart();
            typing = false;
            QTest::qWait(100);
        }
        QTest::qWait(700);
    }
    figures.checkToResult = figures.results > 0 ? checkTotal / figures.results : 0;
    return figures;
}

void print(const char* what, const Figures& figures) {
    std::printf("%-34s keys %4zu  median %6.2f ms  p95 %6.2f ms  max %6.2f ms  longest idle stall %6.1f ms",
                what, figures.keys.size(), percentile(figures.keys, 0.5), percentile(figures.keys, 0.95),
                percentile(figures.keys, 1.0), figures.longestStall);
    if (figures.results > 0)
        std::printf("  results %d, last key to result %.0f ms", figures.results, figures.checkToResult);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing_support::TempDir dir;
    const auto path = writeFile(dir, 100000);
    const int bursts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    for (const bool live : {false, true}) {
        core::checker::AnswerOkPrompter prompter;
        core::settings::MemorySettingsStore settings;
        settings.writeBool("PreviousExec", "Hidden", false);
        settings.writeInteger("PreviousExec", "Active", 1);
        settings.writeInteger("Options", "CheckRules", 2);
        settings.writeBool("Options", "CheckAsYouType", live);
        core::aids::DiskFileSystem files{dir.folder()};
        testing_support::RecordingHelpViewer help;
        platform::QtPrinter printer;
        app::TForm1 window({prompter, settings, files, help, printer});
        window.startUp({path});
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return 1;
        QTest::qWait(live ? 3000 : 200); // the first check of the file
        print(live ? "check as you type on" : "check as you type off (floor)", typeInto(window, bursts));
    }
    return 0;
}
