#include "core/wizard/file_operation_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

#include <tuple>

using core::ports::Answer;
using core::wizard::FileOperationChoices;
using core::wizard::generateFileOperation;
using core::wizard::xcopySwitches;
using namespace wizard_testing;

namespace {

Generated run(int code, const FileOperationChoices& page, const Lines& document = {}, std::vector<Answer> answers = {}) {
    GeneratorHarness h(document);
    h.files.shortForms = {{"C:\\Data\\Annual Report.doc", "C:\\DATA\\ANNUAL~1.DOC"}};
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
    EXPECT_EQ(run(1, page).lines, (Lines{"COPY C:\\DATA\\ANNUAL~1.DOC \"E:\\Backup\" /Y /V", "COPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y /V",
                                         "COPY D:\\OLDSTU~1\\b.txt \"E:\\Backup\" /Y /V"}));
    page.RadioButton2 = page.CheckBox1 = false;
    page.RadioButton1 = true;
    page.Memo1 = {"A.TXT", ""};
    // A blank memo line still yields its line, with nothing between COPY and the quote.
    EXPECT_EQ(run(1, page).lines, (Lines{"COPY A.TXT \"E:\\Backup\" /-Y", "COPY  \"E:\\Backup\" /-Y"}));
    page.RadioButton1 = false;
    EXPECT_EQ(run(1, page).lines, Lines{});
}

TEST(FileOperationGenerator, DuplicateQuestionOnlyForTheExactProbe) {
    const auto page = copying({"C:\\DATA\\A.TXT", "C:\\DATA\\B.TXT"}, "E:\\Backup");
    const Lines copies = {"COPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y", "COPY C:\\DATA\\B.TXT \"E:\\Backup\" /Y"};
    const Lines xcopies = {"XCOPY C:\\DATA\\A.TXT \"E:\\Backup\" /Y", "XCOPY C:\\DATA\\B.TXT \"E:\\Backup\" /Y"};
    const auto question = [](const char* command) {
        return std::string("This ") + command + " command already exists in the batch file. Do you still wish to add it?";
    };
    const std::string copy = question("COPY"), xcopy = question("XCOPY");
    const std::tuple<int, std::string, Answer, Generated> cases[] = {
        // Other letter case matches; No appends nothing at all.
        {1, "copy c:\\data\\a.txt \"e:\\backup\" /y", Answer::No, {{}, {copy}}},
        {1, copies[0], Answer::Yes, {copies, {copy}}},
        // Lines with /-Y or /V never match the probe.
        {1, "COPY C:\\DATA\\A.TXT \"E:\\Backup\" /-Y", Answer::No, {copies, {}}},
        {1, copies[0] + " /V", Answer::No, {copies, {}}},
        // The XCOPY probe has no switches: a line generated earlier raises no question.
        {3, "XCOPY C:\\DATA\\A.TXT \"E:\\Backup\"", Answer::No, {{}, {xcopy}}},
        {3, xcopies[0], Answer::No, {xcopies, {}}},
    };
    for (const auto& [code, existing, answer, expected] : cases)
        EXPECT_EQ(run(code, page, {existing}, {answer}), expected) << existing;
}

TEST(FileOperationGenerator, XcopySwitchList) {
    // The page's check boxes reach the line through the option mask.
    auto page = copying({"C:\\SRC"}, "D:\\DEST");
    page.RadioButton2 = page.RadioButton25 = false;
    page.RadioButton1 = page.RadioButton22 = page.CheckBox1 = page.CheckBox16 = page.CheckBox18 = true;
    EXPECT_EQ(run(3, page).lines, Lines{"XCOPY C:\\SRC \"D:\\DEST\" /-Y /S /V /H /Q"});
    page = copying({"C:\\SRC"}, "D:\\DEST");
    page.RadioButton25 = false;
    page.RadioButton21 = page.CheckBox20 = page.CheckBox17 = true;
    EXPECT_EQ(run(3, page).lines, Lines{"XCOPY C:\\SRC \"D:\\DEST\" /Y /W /D /E"});
    // The order: confirmation, /S or /T, /V, the options /W /H /P /Q /D, and /E last.
    const std::tuple<bool, int, bool, unsigned, const char*> cases[] = {
        {true, 3, true, 31, "/-Y /T /V /W /H /P /Q /D"},
        {false, 1, true, 31, "/Y /V /W /H /P /Q /D /E"},
        {true, 2, false, 8, "/-Y /S /Q"},
    };
    for (const auto& [confirm, mode, verify, mask, expected] : cases)
        EXPECT_EQ(xcopySwitches(confirm, mode, verify, mask), expected) << mode << " " << mask;
}

TEST(FileOperationGenerator, MoveAndDeleteLines) {
    auto page = copying({"C:\\DATA\\A.TXT"}, "D:\\X");
    page.RadioButton2 = false;
    page.RadioButton1 = page.CheckBox1 = true; // verify plays no part in MOVE
    EXPECT_EQ(run(2, page).lines, Lines{"MOVE /-Y C:\\DATA\\A.TXT \"D:\\X\""});
    page.Memo2 = {"C:\\Temp Files\\*.tmp", ""};
    EXPECT_EQ(run(4, page).lines, (Lines{"DEL \"C:\\Temp Files\\*.tmp\"", "DEL \"\""}));
    page.CheckBox3 = true;
    EXPECT_EQ(run(4, page).lines, (Lines{"DEL \"C:\\Temp Files\\*.tmp\" /P", "DEL \"\" /P"}));
}

TEST(FileOperationGenerator, DeleteDirectoryByPromptAndSystem) {
    const std::tuple<bool, bool, const char*> cases[] = {{true, true, "RMDIR \"C:\\OLD\" /S"},
                                                         {true, false, "DELTREE \"C:\\OLD\""},
                                                         {false, true, "RMDIR \"C:\\OLD\" /S /Q"},
                                                         {false, false, "DELTREE /Y \"C:\\OLD\""}};
    for (const auto& [prompt, rmdir, line] : cases) {
        FileOperationChoices page;
        page.Memo2 = {"C:\\OLD"};
        std::tie(page.CheckBox3, page.CheckBox45) = std::pair(prompt, rmdir);
        EXPECT_EQ(run(5, page).lines, Lines{line});
    }
}

TEST(FileOperationGenerator, RenameAndCreateLines) {
    FileOperationChoices page;
    page.Edit12 = "C:\\Data\\Annual Report.doc";
    page.Edit13 = "Report 2024";
    page.Edit14 = "txt";
    EXPECT_EQ(run(6, page).lines, Lines{"RENAME C:\\DATA\\ANNUAL~1.DOC \"Report 2024.txt\""});
    EXPECT_EQ(run(7, page).lines, Lines{"RENAME C:\\DATA\\ANNUAL~1.DOC \"Report 2024\""});
    EXPECT_EQ(run(8, page).lines, Lines{"MD \"Report 2024\""});
}

TEST(FileOperationGenerator, MissingInputWarnsAndAppendsNothing) {
    using Case = std::tuple<int, FileOperationChoices, const char*>;
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
    for (const auto& [code, page, warning] : cases) EXPECT_EQ(run(code, page), (Generated{{}, {warning}})) << code;
}
