#include "core/wizard/program_generator.h"
#include "core/wizard/user_interaction_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

using core::wizard::choiceLabelSuffix;
using core::wizard::generateChoice;
using core::wizard::ProgramChoices;
using core::wizard::UserInteractionChoices;
using wizard_testing::GeneratorHarness;
using wizard_testing::Lines;

namespace {

struct Generated {
    Lines lines;
    Lines messages;
};

Generated choice(const UserInteractionChoices& page, int entryPosition = 0) {
    GeneratorHarness h;
    h.context.entryPosition = entryPosition;
    generateChoice(page, h.context);
    return {h.document.lines(), h.prompter.texts()};
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
    h.files.existing = {{"C:\\Program Files\\Editor\\edit.exe", "C:\\PROGRA~1\\EDITOR\\EDIT.EXE"}};
    generate(page, h.context);
    return {h.document.lines(), h.prompter.texts()};
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

TEST(ChoiceGenerator, ThirdChoiceProgramAndFlags) {
    auto page = yesNo();
    page.CheckBox14 = true;
    page.MaskEdit3 = "C";
    page.RadioButton13 = false;
    page.RadioButton8 = true;
    page.Edit6 = "C:\\Program Files\\Setup.exe";
    page.RadioButton14 = false;
    page.RadioButton11 = true;
    page.Edit11 = "Cancelled";
    page.CheckBox7 = true;
    page.CheckBox8 = true;
    page.MaskEdit4 = "15";
    EXPECT_EQ(choice(page).lines,
              (Lines{"CHOICE /CYNC /S /T:Y,15 Install now?", "IF ERRORLEVEL==3 GOTO AOPTIONTHREE",
                     "IF ERRORLEVEL==2 GOTO ACHOICETWO", "IF ERRORLEVEL==1 GOTO ACHOICEONE", "", ":ACHOICEONE", "GOTO ENDA",
                     "", ":ACHOICETWO", "C:\\PROGRA~1\\Setup.exe", "GOTO ENDA", "", ":AOPTIONTHREE", "ECHO Cancelled",
                     "GOTO ENDA", "", ":ENDA"}));
}

TEST(ChoiceGenerator, ChoiceLineByFlagsAndDefaultKey) {
    struct Case {
        bool caseSensitive, delay;
        int defaultButton; // 3, 4 or 5
        const char* delayText;
        const char* line;
    };
    const Case cases[] = {
        {false, false, 3, "  ", "CHOICE /CYN Install now?"},
        {true, false, 3, "  ", "CHOICE /CYN /S Install now?"},
        {false, true, 3, "5 ", "CHOICE /CYN /T:Y,5  Install now?"},
        {true, true, 4, " 9", "CHOICE /CYN /S /T:N, 9 Install now?"},
        // The third key's button with no third key in use: the default falls back to the first key.
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
}

TEST(ChoiceGenerator, LabelSuffixByEntryPosition) {
    const std::pair<int, const char*> cases[] = {{0, "A"}, {1, "B"}, {25, "Z"}, {26, "1"}, {40, "15"}};
    for (const auto& [position, suffix] : cases) EXPECT_EQ(choiceLabelSuffix(position), suffix);
}

TEST(ChoiceGenerator, EveryFailedCheckIsShownInOrder) {
    auto page = yesNo();
    page.Edit5.clear();
    page.MaskEdit2.clear();
    auto result = choice(page);
    EXPECT_EQ(result.messages, (Lines{"Oops! You forgot to enter the question to be asked!",
                                      "Oops! You forgot to enter the key to represent the second choice!"}));
    EXPECT_EQ(result.lines, Lines{});

    UserInteractionChoices empty; // third choice in use, every action asks for its field
    empty.MaskEdit1 = " ";
    empty.RadioButton12 = false;
    empty.RadioButton6 = true;
    empty.RadioButton13 = false;
    empty.RadioButton9 = true;
    empty.RadioButton14 = false;
    empty.RadioButton10 = true;
    empty.CheckBox8 = true;
    EXPECT_EQ(choice(empty).messages,
              (Lines{"Oops! You forgot to enter the question to be asked!",
                     "Oops! You forgot to enter the key to represent the first choice!",
                     "Oops! You forgot to enter the key to represent the second choice!",
                     "Oops! You forgot to enter the key to represent the third choice!",
                     "Oops! You forgot to enter the program to run on the first choice!",
                     "Oops! You forgot to enter the message to display on the second choice!",
                     "Oops! You forgot to enter the program to run on the third choice!",
                     "Oops! You forgot to enter the time delay (in seconds)!"}));
    // Without the third choice its key and fields are not checked.
    empty.CheckBox14 = false;
    EXPECT_EQ(choice(empty).messages.size(), 6u);
}

TEST(ProgramGenerator, RunProgramByWindowModeAndWaiting) {
    struct Case {
        int mode;
        bool wait;
        const char* line;
    };
    const Case cases[] = {{1, true, "START /r /w C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"},
                          {2, true, "START /max /w C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"},
                          {3, true, "START /m /w C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"},
                          {1, false, "START /r C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"},
                          {2, false, "START /max C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"},
                          {3, false, "START /m C:\\PROGRA~1\\EDITOR\\EDIT.EXE /n"}};
    for (const auto& c : cases) {
        ProgramChoices page;
        page.Edit2 = "C:\\Program Files\\Editor\\edit.exe";
        page.Edit3 = "/n";
        page.RadioButton15 = c.mode == 1;
        page.RadioButton16 = c.mode == 2;
        page.RadioButton17 = c.mode == 3;
        page.CheckBox11 = c.wait;
        EXPECT_EQ(programs(page, core::wizard::generateRunProgram).lines, Lines{c.line});
    }
    ProgramChoices bare;
    bare.Edit2 = "C:\\Program Files\\Editor\\edit.exe";
    // Without arguments the line still ends in the blank before them.
    EXPECT_EQ(programs(bare, core::wizard::generateRunProgram).lines, Lines{"START /r C:\\PROGRA~1\\EDITOR\\EDIT.EXE "});
    bare.Edit2.clear();
    auto missing = programs(bare, core::wizard::generateRunProgram);
    EXPECT_EQ(missing.messages, Lines{"Oops! You forgot to enter the program to run!"});
    EXPECT_EQ(missing.lines, Lines{});
}

TEST(ProgramGenerator, OpenFilesOneStartPerFile) {
    ProgramChoices page;
    page.Memo3 = {"C:\\A.TXT", "C:\\My Notes\\b.txt", "C:\\C.TXT"};
    page.RadioButton18 = false;
    page.RadioButton19 = true;
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines,
              (Lines{"START /max C:\\A.TXT", "START /max C:\\MYNOTE~1\\b.txt", "START /max C:\\C.TXT"}));
    page.Memo3 = {"C:\\A.TXT"};
    page.RadioButton19 = false;
    page.RadioButton20 = true;
    page.CheckBox12 = true;
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).lines, Lines{"START /m /w C:\\A.TXT"});
    page.Memo3.clear();
    EXPECT_EQ(programs(page, core::wizard::generateOpenFiles).messages,
              Lines{"Oops! You forgot to enter the file(s) to open!"});
}
