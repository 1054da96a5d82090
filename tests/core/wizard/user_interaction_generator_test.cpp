#include "core/wizard/program_generator.h"
#include "core/wizard/user_interaction_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

#include <tuple>

using core::wizard::ProgramChoices;
using core::wizard::UserInteractionChoices;
using namespace wizard_testing;

namespace {

Generated choice(const UserInteractionChoices& page, int entryPosition = 0) {
    GeneratorHarness h;
    h.context.entryPosition = entryPosition;
    core::wizard::generateChoice(page, h.context);
    return h.result();
}

// Keys Y and N, no third choice, the question "Install now?".
UserInteractionChoices yesNo() {
    UserInteractionChoices page;
    std::tie(page.Edit5, page.MaskEdit1, page.MaskEdit2, page.CheckBox14) = std::tuple("Install now?", "Y", "N", false);
    return page;
}

template <typename Generate> Generated programs(const ProgramChoices& page, Generate generate) {
    GeneratorHarness h;
    h.files.shortForms = {{"C:\\Program Files\\Editor\\edit.exe", "C:\\PROGRA~1\\EDITOR\\EDIT.EXE"}};
    generate(page, h.context);
    return h.result();
}

} // namespace

TEST(ChoiceGenerator, WorkedExampleWithSuffixB) {
    auto page = yesNo();
    std::tie(page.RadioButton12, page.RadioButton7, page.Edit9) = std::tuple(false, true, "Installing");
    EXPECT_EQ(choice(page, 1).lines,
              (Lines{"CHOICE /CYN Install now?", "IF ERRORLEVEL==2 GOTO BCHOICETWO", "IF ERRORLEVEL==1 GOTO BCHOICEONE", "",
                     ":BCHOICEONE", "ECHO Installing", "GOTO ENDB", "", ":BCHOICETWO", "GOTO ENDB", "", ":ENDB"}));
}

TEST(ChoiceGenerator, ThirdChoiceWithProgramAndMessage) {
    auto page = yesNo();
    page.CheckBox14 = page.RadioButton8 = page.RadioButton11 = true;
    page.RadioButton13 = page.RadioButton14 = false;
    std::tie(page.MaskEdit3, page.Edit6, page.Edit11) = std::tuple("C", "C:\\Program Files\\Setup.exe", "Cancelled");
    EXPECT_EQ(choice(page, 26).lines,
              (Lines{"CHOICE /CYNC Install now?", "IF ERRORLEVEL==3 GOTO 1OPTIONTHREE", "IF ERRORLEVEL==2 GOTO 1CHOICETWO",
                     "IF ERRORLEVEL==1 GOTO 1CHOICEONE", "", ":1CHOICEONE", "GOTO END1", "", ":1CHOICETWO",
                     "C:\\PROGRA~1\\Setup.exe", "GOTO END1", "", ":1OPTIONTHREE", "ECHO Cancelled", "GOTO END1", "",
                     ":END1"}));
}

TEST(ChoiceGenerator, ChoiceLineByFlagsAndDefaultKey) {
    // Case-sensitive, delay, the default key's button (3, 4 or 5), the delay typed, the line.
    const std::tuple<bool, bool, int, const char*, const char*> cases[] = {
        {true, false, 3, "  ", "CHOICE /CYN /S Install now?"},
        {false, true, 3, "5 ", "CHOICE /CYN /T:Y,5  Install now?"},
        {true, true, 4, " 9", "CHOICE /CYN /S /T:N, 9 Install now?"},
        // The third key's button with no third key typed: the default falls back to the first key.
        {false, true, 5, "10", "CHOICE /CYN /T:Y,10 Install now?"},
    };
    for (const auto& [caseSensitive, delay, button, delayText, line] : cases) {
        auto page = yesNo();
        std::tie(page.CheckBox7, page.CheckBox8, page.MaskEdit4) = std::tuple(caseSensitive, delay, delayText);
        std::tie(page.RadioButton3, page.RadioButton4, page.RadioButton5) = std::tuple(button == 3, button == 4, button == 5);
        EXPECT_EQ(choice(page).lines.front(), line);
    }
    EXPECT_EQ(core::wizard::choiceLabelSuffix(25), "Z");
}

TEST(ChoiceGenerator, EveryFailedCheckIsShownInOrder) {
    auto page = yesNo();
    page.Edit5.clear();
    page.MaskEdit2.clear();
    EXPECT_EQ(choice(page).messages, (Lines{"Oops! You forgot to enter the question to be asked!",
                                            "Oops! You forgot to enter the key to represent the second choice!"}));
    UserInteractionChoices empty; // third choice in use, actions that need their fields, delay untouched
    empty.MaskEdit1 = " ";
    empty.RadioButton6 = empty.RadioButton9 = empty.RadioButton10 = empty.CheckBox8 = true;
    empty.RadioButton12 = empty.RadioButton13 = empty.RadioButton14 = false;
    const auto result = choice(empty);
    EXPECT_EQ(result.messages, (Lines{"Oops! You forgot to enter the question to be asked!",
                                      "Oops! You forgot to enter the key to represent the first choice!",
                                      "Oops! You forgot to enter the key to represent the second choice!",
                                      "Oops! You forgot to enter the key to represent the third choice!",
                                      "Oops! You forgot to enter the program to run on the first choice!",
                                      "Oops! You forgot to enter the message to display on the second choice!",
                                      "Oops! You forgot to enter the program to run on the third choice!",
                                      "Oops! You forgot to enter the time delay (in seconds)!"}));
    EXPECT_EQ(result.lines, Lines{});
    empty.CheckBox14 = false; // the third choice's checks are skipped
    EXPECT_EQ(choice(empty).messages.size(), 6u);
}

TEST(ProgramGenerator, StartLinesByWindowModeAndWaiting) {
    ProgramChoices page;
    page.Edit2 = "C:\\Program Files\\Editor\\edit.exe";
    // Without arguments the line still ends in the blank before them.
    EXPECT_EQ(programs(page, core::wizard::generateRunProgram).lines, Lines{"START /r C:\\PROGRA~1\\EDITOR\\EDIT.EXE "});
    std::tie(page.Edit3, page.RadioButton15, page.RadioButton16, page.CheckBox11) = std::tuple("/n", false, true, true);
    EXPECT_EQ(programs(page, core::wizard::generateRunProgram).lines,
              Lines{"START /max /w C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"});
    page.Memo3 = {"C:\\A.TXT", "C:\\My Notes\\b.txt", "C:\\C.TXT"};
    page.RadioButton18 = false;
    page.RadioButton19 = true;
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines,
              (Lines{"START /max C:\\A.TXT", "START /max C:\\MYNOTE~1\\b.txt", "START /max C:\\C.TXT"}));
    page.Memo3 = {"C:\\A.TXT"};
    std::tie(page.RadioButton19, page.RadioButton20, page.CheckBox12) = std::tuple(false, true, true);
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines, Lines{"START /m /w C:\\A.TXT"});
}

TEST(ProgramGenerator, MissingInputWarns) {
    EXPECT_EQ(programs({}, core::wizard::generateRunProgram), (Generated{{}, {"Oops! You forgot to enter the program to run!"}}));
    EXPECT_EQ(programs({}, core::wizard::generateOpenFiles), (Generated{{}, {"Oops! You forgot to enter the file(s) to open!"}}));
}
