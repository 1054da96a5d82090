#include "core/wizard/program_generator.h"
#include "core/wizard/user_interaction_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

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
    page.Edit5 = "Install now?";
    page.MaskEdit1 = "Y";
    page.MaskEdit2 = "N";
    page.CheckBox14 = false;
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
    page.RadioButton12 = false;
    page.RadioButton7 = true;
    page.Edit9 = "Installing";
    EXPECT_EQ(choice(page, 1).lines,
              (Lines{"CHOICE /CYN Install now?", "IF ERRORLEVEL==2 GOTO BCHOICETWO", "IF ERRORLEVEL==1 GOTO BCHOICEONE", "",
                     ":BCHOICEONE", "ECHO Installing", "GOTO ENDB", "", ":BCHOICETWO", "GOTO ENDB", "", ":ENDB"}));
}

TEST(ChoiceGenerator, ThirdChoiceWithProgramAndMessage) {
    auto page = yesNo();
    page.CheckBox14 = true;
    page.MaskEdit3 = "C";
    page.RadioButton13 = false;
    page.RadioButton8 = true;
    page.Edit6 = "C:\\Program Files\\Setup.exe";
    page.RadioButton14 = false;
    page.RadioButton11 = true;
    page.Edit11 = "Cancelled";
    EXPECT_EQ(choice(page, 26).lines,
              (Lines{"CHOICE /CYNC Install now?", "IF ERRORLEVEL==3 GOTO 1OPTIONTHREE", "IF ERRORLEVEL==2 GOTO 1CHOICETWO",
                     "IF ERRORLEVEL==1 GOTO 1CHOICEONE", "", ":1CHOICEONE", "GOTO END1", "", ":1CHOICETWO",
                     "C:\\PROGRA~1\\Setup.exe", "GOTO END1", "", ":1OPTIONTHREE", "ECHO Cancelled", "GOTO END1", "",
                     ":END1"}));
}

TEST(ChoiceGenerator, ChoiceLineByFlagsAndDefaultKey) {
    struct Case {
        bool caseSensitive, delay;
        int defaultButton; // 3, 4 or 5
        const char* delayText;
        const char* line;
    };
    const Case cases[] = {
        {true, false, 3, "  ", "CHOICE /CYN /S Install now?"},
        {false, true, 3, "5 ", "CHOICE /CYN /T:Y,5  Install now?"},
        {true, true, 4, " 9", "CHOICE /CYN /S /T:N, 9 Install now?"},
        // The third key's button with no third key typed: the default falls back to the first key.
        {false, true, 5, "10", "CHOICE /CYN /T:Y,10 Install now?"},
    };
    for (const auto& c : cases) {
        auto page = yesNo();
        page.CheckBox7 = c.caseSensitive;
        page.CheckBox8 = c.delay;
        page.RadioButton3 = c.defaultButton == 3;
        page.RadioButton4 = c.defaultButton == 4;
        page.RadioButton5 = c.defaultButton == 5;
        page.MaskEdit4 = c.delayText;
        EXPECT_EQ(choice(page).lines.front(), c.line);
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
    page.Edit3 = "/n";
    page.RadioButton15 = false;
    page.RadioButton16 = page.CheckBox11 = true;
    EXPECT_EQ(programs(page, core::wizard::generateRunProgram).lines,
              Lines{"START /max /w C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"});
    page.Memo3 = {"C:\\A.TXT", "C:\\My Notes\\b.txt", "C:\\C.TXT"};
    page.RadioButton18 = false;
    page.RadioButton19 = true;
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines,
              (Lines{"START /max C:\\A.TXT", "START /max C:\\MYNOTE~1\\b.txt", "START /max C:\\C.TXT"}));
    page.Memo3 = {"C:\\A.TXT"};
    page.RadioButton19 = false;
    page.RadioButton20 = page.CheckBox12 = true;
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines, Lines{"START /m /w C:\\A.TXT"});
}

TEST(ProgramGenerator, MissingInputWarns) {
    ProgramChoices page;
    EXPECT_EQ(programs(page, core::wizard::generateRunProgram).messages,
              Lines{"Oops! You forgot to enter the program to run!"});
    const auto open = programs(page, core::wizard::generateOpenFiles);
    EXPECT_EQ(open.messages, Lines{"Oops! You forgot to enter the file(s) to open!"});
    EXPECT_EQ(open.lines, Lines{});
}
