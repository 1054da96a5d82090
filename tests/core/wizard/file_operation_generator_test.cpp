#include "core/wizard/file_operation_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

using core::ports::Answer;
using core::wizard::FileOperationChoices;
using core::wizard::generateFileOperation;
using core::wizard::xcopySwitches;
using namespace wizard_testing;

namespace {

Generated run(int code, const FileOperationChoices& page, Lines document = {}, std::vector<Answer> answers = {}) {
    GeneratorHarness h(document);
    h.files.existing = {{"C:\\Data\\Annual Report.doc", "C:\\DATA\\ANNUAL~1.DOC"}};
    h.prompter.answers.assign(answers.begin(), answers.end());
    h.context.xcopyMask = page.xcopyMask();
    generateFileOperation(code, page, h.context);
    return h.result(document.size());
}

FileOperationChoices copying(Lines sources, std::string destination) {
    FileOperationChoices page;
    page.Memo1 = std::move(sources);
    page.Edit4 = std::move(destination);
    return page;
}

} // namespace

TEST(FileOperationGenerator, CopyFilesOneLinePerSourceInMemoOrder) {
    auto page = copying({"C:\\Data\\Annual Report.doc", "C:\\DATA\\A.TXT", "D:\\Old Stuff\\b.txt"}, "E:\\Backup");
    page.CheckBox1 = true;
    EXPECT_EQ(run(1, page).lines, (Lines{"COPY C:\\DATA\\ANNUAL~1.DOC \"E:\\Backup\" /Y /V",
                                         "COPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y /V",
                                         "COPY D:\\OLDSTU~1\\b.txt \"E:\\Backup\" /Y /V"}));
    page.RadioButton2 = false;
    page.RadioButton1 = true;
    page.CheckBox1 = false;
    page.Memo1 = {"A.TXT", ""};
    // A blank memo line still yields its line, with nothing between COPY and the quote.
    EXPECT_EQ(run(1, page).lines, (Lines{"COPY A.TXT \"E:\\Backup\" /-Y", "COPY  \"E:\\Backup\" /-Y"}));
    page.RadioButton1 = false;
    EXPECT_EQ(run(1, page).lines, Lines{});
}

TEST(FileOperationGenerator, DuplicateQuestionOnlyForTheExactProbe) {
    const auto page = copying({"C:\\DATA\\A.TXT", "C:\\DATA\\B.TXT"}, "E:\\Backup");
    const std::string question = "This COPY command already exists in the batch file. Do you still wish to add it?";
    // Other letter case matches; No appends nothing at all.
    auto declined = run(1, page, {"copy c:\\data\\a.txt \"e:\\backup\" /y"}, {Answer::No});
    EXPECT_EQ(declined.messages, Lines{question});
    EXPECT_EQ(declined.lines, Lines{});
    auto accepted = run(1, page, {"COPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y"}, {Answer::Yes});
    EXPECT_EQ(accepted.messages, Lines{question});
    EXPECT_EQ(accepted.lines.size(), 2u);
    // Lines with /-Y or /V never match the probe.
    for (const auto* existing : {"COPY C:\\DATA\\A.TXT \"E:\\Backup\" /-Y", "COPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y /V"})
        EXPECT_EQ(run(1, page, {existing}).messages, Lines{}) << existing;
}

TEST(FileOperationGenerator, XcopyDuplicateProbeHasNoSwitches) {
    auto page = copying({"C:\\SRC"}, "D:\\DEST");
    const std::string question = "This XCOPY command already exists in the batch file. Do you still wish to add it?";
    auto declined = run(3, page, {"XCOPY C:\\SRC \"D:\\DEST\""}, {Answer::No});
    EXPECT_EQ(declined.messages, Lines{question});
    EXPECT_EQ(declined.lines, Lines{});
    // A line generated earlier carries switches and raises no question.
    auto again = run(3, page, {"XCOPY C:\\SRC \"D:\\DEST\" /Y"});
    EXPECT_EQ(again.messages, Lines{});
    EXPECT_EQ(again.lines, Lines{"XCOPY C:\\SRC \"D:\\DEST\" /Y"});
}

TEST(FileOperationGenerator, XcopySwitchListExamples) {
    auto page = copying({"C:\\SRC"}, "D:\\DEST");
    page.RadioButton2 = false;
    page.RadioButton1 = true;
    page.RadioButton25 = false;
    page.RadioButton22 = true;
    page.CheckBox1 = true;
    page.CheckBox16 = true;
    page.CheckBox18 = true;
    EXPECT_EQ(run(3, page).lines, Lines{"XCOPY C:\\SRC \"D:\\DEST\" /-Y /S /V /H /Q"});

    page = copying({"C:\\SRC"}, "D:\\DEST");
    page.RadioButton25 = false;
    page.RadioButton21 = true;
    page.CheckBox20 = true;
    page.CheckBox17 = true;
    EXPECT_EQ(run(3, page).lines, Lines{"XCOPY C:\\SRC \"D:\\DEST\" /Y /W /D /E"});
}

// Every one of the 512 combinations follows the one ordering rule.
TEST(FileOperationGenerator, XcopySwitchListAllCombinations) {
    for (int combination = 0; combination < 512; ++combination) {
        const bool confirm = combination & 1;
        const int mode = (combination >> 1) & 3;
        const bool verify = (combination >> 3) & 1;
        const unsigned mask = static_cast<unsigned>(combination >> 4);
        std::string expected = confirm ? "/-Y" : "/Y";
        expected += mode == 2 ? " /S" : mode == 3 ? " /T" : "";
        expected += verify ? " /V" : "";
        const char* options[] = {" /W", " /H", " /P", " /Q", " /D"};
        for (int bit = 0; bit < 5; ++bit)
            if (mask & (1u << bit)) expected += options[bit];
        expected += mode == 1 ? " /E" : "";
        EXPECT_EQ(xcopySwitches(confirm, mode, verify, mask), expected) << combination;
    }
}

TEST(FileOperationGenerator, MoveAndDeleteLines) {
    auto page = copying({"C:\\DATA\\A.TXT"}, "D:\\X");
    page.CheckBox1 = true; // verify plays no part in MOVE
    page.RadioButton2 = false;
    page.RadioButton1 = true;
    EXPECT_EQ(run(2, page).lines, Lines{"MOVE /-Y C:\\DATA\\A.TXT \"D:\\X\""});
    page.Memo2 = {"C:\\Temp Files\\*.tmp", ""};
    EXPECT_EQ(run(4, page).lines, (Lines{"DEL \"C:\\Temp Files\\*.tmp\"", "DEL \"\""}));
    page.CheckBox3 = true;
    EXPECT_EQ(run(4, page).lines, (Lines{"DEL \"C:\\Temp Files\\*.tmp\" /P", "DEL \"\" /P"}));
}

TEST(FileOperationGenerator, DeleteDirectoryByPromptAndSystem) {
    struct Case {
        bool prompt, rmdir;
        const char* line;
    };
    const Case cases[] = {{true, true, "RMDIR \"C:\\OLD\" /S"},
                          {true, false, "DELTREE \"C:\\OLD\""},
                          {false, true, "RMDIR \"C:\\OLD\" /S /Q"},
                          {false, false, "DELTREE /Y \"C:\\OLD\""}};
    for (const auto& c : cases) {
        FileOperationChoices page;
        page.Memo2 = {"C:\\OLD"};
        page.CheckBox3 = c.prompt;
        page.CheckBox45 = c.rmdir;
        EXPECT_EQ(run(5, page).lines, Lines{c.line});
    }
    FileOperationChoices page;
    page.Memo2 = {"C:\\One", "C:\\Two"};
    page.CheckBox45 = true;
    EXPECT_EQ(run(5, page).lines, (Lines{"RMDIR \"C:\\One\" /S /Q", "RMDIR \"C:\\Two\" /S /Q"}));
}

TEST(FileOperationGenerator, RenameAndCreateLines) {
    FileOperationChoices page;
    page.Edit12 = "C:\\Data\\Annual Report.doc";
    page.Edit13 = "Report 2024";
    page.Edit14 = "txt";
    EXPECT_EQ(run(6, page).lines, Lines{"RENAME C:\\DATA\\ANNUAL~1.DOC \"Report 2024.txt\""});
    EXPECT_EQ(run(7, page).lines, Lines{"RENAME C:\\DATA\\ANNUAL~1.DOC \"Report 2024\""});
    EXPECT_EQ(run(8, page).lines, Lines{"MD \"Report 2024\""});
    // A path that does not exist here keeps its 8.3 alias, never an empty text.
    page.Edit12 = "Z:\\Nowhere Land\\file.txt";
    EXPECT_EQ(run(7, page).lines, Lines{"RENAME Z:\\NOWHER~1\\file.txt \"Report 2024\""});
}

TEST(FileOperationGenerator, MissingInputWarnsAndAppendsNothing) {
    struct Case {
        int code;
        FileOperationChoices page;
        const char* warning;
    };
    FileOperationChoices noDestination = copying({"A.TXT"}, "");
    FileOperationChoices renameNoExtension;
    renameNoExtension.Edit12 = "A.TXT";
    renameNoExtension.Edit13 = "B";
    FileOperationChoices createFromOnly;
    createFromOnly.Edit12 = "C:\\X";
    const Case cases[] = {
        {1, {}, "Oops! You forgot to enter the file(s) to copy!"},
        {1, noDestination, "Oops! You forgot to enter the destination directory!"},
        {2, {}, "Oops! You forgot to enter the file(s) to move!"},
        {2, noDestination, "Oops! You forgot to enter the destination directory!"},
        {3, {}, "Oops! You forgot to enter the directory to copy!"},
        {3, noDestination, "Oops! You forgot to enter the destination drive/directory!"},
        {4, {}, "Oops! You forgot to enter the file(s) to delete!"},
        {5, {}, "Oops! You forgot to enter the directory to delete!"},
        {6, {}, "Oops! You forgot to enter the file to rename!"},
        {6, renameNoExtension, "Oops! You forgot to enter the new filename!"},
        {7, {}, "Oops! You forgot to enter the directory to rename!"},
        {7, createFromOnly, "Oops! You forgot to enter the new name for the directory!"},
        {8, createFromOnly, "Oops! You forgot to enter the new directory name!"},
    };
    for (const auto& c : cases) {
        const auto result = run(c.code, c.page);
        EXPECT_EQ(result.messages, Lines{c.warning}) << c.code;
        EXPECT_EQ(result.lines, Lines{}) << c.code;
    }
}
