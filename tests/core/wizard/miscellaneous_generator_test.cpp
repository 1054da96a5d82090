#include "core/wizard/miscellaneous_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

#include <tuple>

using core::wizard::MiscellaneousChoices;
using wizard_testing::GeneratorHarness;
using wizard_testing::Lines;

namespace {

template <typename Generate> Lines run(const MiscellaneousChoices& page, Generate generate) {
    GeneratorHarness h;
    generate(page, h.context);
    EXPECT_EQ(h.prompter.texts(), Lines{}); // these sections never show a message
    return h.document.lines();
}

enum System { Win9x, WinNt, WinXp };
enum Action { None, Shutdown, Restart, LogOff };

} // namespace

TEST(ShutdownGenerator, LineBySystemForceAndAction) {
    // System, force, action, delay and the line (nullptr: nothing appended).
    const std::tuple<System, bool, Action, int, const char*> cases[] = {
        {Win9x, true, Shutdown, 30, "rundll32.exe shell32.dll,SHExitWindowsEx 5"},
        {Win9x, false, LogOff, 30, "rundll32.exe shell32.dll,SHExitWindowsEx 0"},
        {WinXp, true, Shutdown, 30, "shutdown -s -f -t: 30"},
        {WinXp, true, LogOff, 5, "shutdown -l -f -t: 5"},
        {WinXp, false, Restart, 999, "shutdown -r -t: 999"},
        {WinNt, true, Shutdown, 12, "SHUTDOWN /L /Y /C /T:12"},
        {WinNt, true, LogOff, 12, nullptr},
        {WinNt, false, Restart, 0, "SHUTDOWN /L /R /Y /T:0"},
        {WinXp, true, None, 30, nullptr},
    };
    for (const auto& [system, force, action, delay, line] : cases) {
        MiscellaneousChoices page;
        std::tie(page.RadioButton26, page.RadioButton58, page.RadioButton27) = std::tuple(system == Win9x, system == WinNt, system == WinXp);
        std::tie(page.RadioButton28, page.RadioButton29, page.RadioButton30) = std::tuple(action == Shutdown, action == Restart, action == LogOff);
        std::tie(page.CheckBox22, page.CSpinEdit2) = std::pair(force, delay);
        EXPECT_EQ(run(page, core::wizard::generateShutdown), line ? Lines{line} : Lines{}) << (line ? line : "");
    }
}

TEST(KeyboardInputGenerator, FileOrPrinter) {
    MiscellaneousChoices page;
    EXPECT_EQ(run(page, core::wizard::generateKeyboardInput), Lines{});
    page.RadioButton31 = true;
    EXPECT_EQ(run(page, core::wizard::generateKeyboardInput), Lines{"COPY CON \\"});
    page.Edit16 = "C:\\TEMP";
    page.Edit15 = "notes.txt";
    EXPECT_EQ(run(page, core::wizard::generateKeyboardInput), Lines{"COPY CON C:\\TEMP\\notes.txt"});
    page.RadioButton31 = false;
    page.RadioButton32 = true;
    EXPECT_EQ(run(page, core::wizard::generateKeyboardInput), Lines{"COPY CON LPT1"});
}

TEST(CombineGenerator, ListByKindKeyboardAndOutput) {
    // Binary, keyboard input, keyboard before the files, to the printer, the line.
    const std::tuple<bool, bool, bool, bool, const char*> cases[] = {
        {false, false, false, true, "COPY A.TXT + B.TXT + C.TXT LPT1"},
        {false, true, true, false, "COPY CON + A.TXT + B.TXT + C.TXT D:\\OUT\\all.txt"},
        {false, true, false, true, "COPY A.TXT + B.TXT + C.TXT + CON LPT1"},
        {true, true, false, false, "COPY A.TXT/B + B.TXT/B + C.TXT/B + CON D:\\OUT\\all.txt"},
    };
    for (const auto& [binary, keyboard, before, printer, line] : cases) {
        MiscellaneousChoices page;
        page.Memo4 = {"A.TXT", "B.TXT", "C.TXT"};
        std::tie(page.CheckBox44, page.CheckBox24, page.CheckBox25) = std::tuple(binary, !binary, keyboard);
        std::tie(page.RadioButton33, page.RadioButton34, page.RadioButton35, page.RadioButton36) =
            std::tuple(before, !before, printer, !printer);
        std::tie(page.Edit18, page.Edit17) = std::pair("D:\\OUT", "all.txt");
        EXPECT_EQ(run(page, core::wizard::generateCombine), Lines{line});
    }
}

TEST(CombineGenerator, EdgesOfTheList) {
    MiscellaneousChoices page;
    page.RadioButton35 = true;
    EXPECT_EQ(run(page, core::wizard::generateCombine), Lines{"COPY  LPT1"});
    page.Memo4 = {"A.BIN", "B.BIN"};
    page.CheckBox44 = true;
    EXPECT_EQ(run(page, core::wizard::generateCombine), Lines{"COPY A.BIN/B + B.BIN/B LPT1"});
    // Keyboard input with neither position selected, or no output chosen: nothing.
    page.CheckBox25 = true;
    page.RadioButton34 = false;
    EXPECT_EQ(run(page, core::wizard::generateCombine), Lines{});
    page.CheckBox25 = false;
    page.RadioButton35 = false;
    EXPECT_EQ(run(page, core::wizard::generateCombine), Lines{});

    // More than a thousand characters, every item kept in memo order.
    MiscellaneousChoices longList;
    longList.RadioButton35 = true;
    std::string expected;
    for (int i = 0; i < 120; ++i) {
        longList.Memo4.push_back("F" + std::to_string(1000 + i) + ".TXT");
        expected += (i ? " + F" : "F") + std::to_string(1000 + i) + ".TXT";
    }
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(run(longList, core::wizard::generateCombine), Lines{"COPY " + expected + " LPT1"});
}
