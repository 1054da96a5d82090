#include "support/case_file.h"
#include "support/golden.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testing_support::golden;
using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

testing_support::ProcessResult generate(const TempDir& dir, const std::string& plan, const std::string& options = {}) {
    const auto path = dir.write("plan.json", plan);
    return runCommand(std::string(QLT_EXECUTABLE) + " generate " + shellQuote(path) + " " + options);
}

constexpr const char* COPY_PLAN =
    R"({"fields": {"CheckBox4": true, "Memo1": ["C:\\Data Files\\a.txt"], "Edit4": "D:\\Backup",
                   "CheckBox23": true, "RadioButton32": true}})";

} // namespace

TEST(QltGenerate, JsonOutputWithOrderExcludedAndAnswers) {
    TempDir dir;
    auto result = generate(dir, R"({
        "document": ["@ECHO OFF", "copy c:\\a.txt \"D:\\X\" /y"],
        "fields": {"CheckBox4": true, "Memo1": ["C:\\A.TXT"], "Edit4": "D:\\X",
                   "CheckBox23": true, "RadioButton32": true, "CheckBox9": true, "Edit2": "C:\\E.EXE"},
        "order": ["Run a Program"], "excluded": ["Grab Keyboard Input"], "answers": ["no"]})",
                           "--format json");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, golden("generate-ordered.json"));
}

TEST(QltGenerate, IncompleteSectionsWriteNothingAndSetStatusOne) {
    TempDir dir;
    auto result = generate(dir, R"({"fields": {"CheckBox6": true, "MaskEdit1": "Y", "CheckBox14": false,
                                               "CheckBox21": true, "RadioButton27": true, "RadioButton29": true,
                                               "CheckBox22": true, "CSpinEdit2": 30}})");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "warning: Nothing was written to the batch file: these sections are not complete yet.\n"
                          "warning: \"Create a Choice\":\n"
                          "warning: Oops! You forgot to enter the question to be asked!\n"
                          "warning: Oops! You forgot to enter the key to represent the second choice!\n");
}

TEST(QltGenerate, TargetWindowsWritesTodaysLinesAndAbsentMeansClassic) {
    TempDir dir;
    const std::string fields = R"("fields": {"CheckBox21": true, "RadioButton29": true, "CheckBox22": true, "CSpinEdit2": 30,
                                           "CheckBox15": true, "Memo2": ["C:\\TMP"]})";
    EXPECT_EQ(generate(dir, "{" + fields + R"(, "target": "windows"})").out, "RD /S /Q \"C:\\TMP\"\nSHUTDOWN /R /F /T 30\n");
    EXPECT_EQ(generate(dir, "{" + fields + "}").out, "DELTREE /Y \"C:\\TMP\"\nrundll32.exe shell32.dll,SHExitWindowsEx 6\n");
}

TEST(QltGenerate, IntoFileAppendsSavesAndPrintsTheAppendedLines) {
    TempDir dir;
    const auto target = dir.write("job.bat", "@ECHO OFF\r\nREM caf\xe9\r\n");
    auto result = generate(dir, COPY_PLAN, "--into " + shellQuote(target));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "COPY C:\\DATAFI~1\\a.txt \"D:\\Backup\" /Y\nCOPY CON LPT1\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(dir.read("job.bat"),
              "@ECHO OFF\r\nREM caf\xe9\r\nCOPY C:\\DATAFI~1\\a.txt \"D:\\Backup\" /Y\r\nCOPY CON LPT1\r\n");
}

TEST(QltGenerate, RadioSetTrueTurnsItsGroupOff) {
    TempDir dir;
    // "Confirm" alone: the "Overwrite" button selected at start goes off.
    auto result = generate(dir, R"({"fields": {"CheckBox5": true, "Memo1": ["A.TXT"], "Edit4": "B", "RadioButton1": true}})");
    EXPECT_EQ(result.out, "MOVE /-Y A.TXT \"B\"\n");
}

TEST(QltGenerate, BadPlansExitWithTwo) {
    const auto cases = testing_support::readCases(CLI_TEST_DATA "/bad-plans.txt", {});
    EXPECT_EQ(cases.size(), 14u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        TempDir dir;
        auto result = generate(dir, c.name);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c[""].at(0));
    }
    TempDir dir;
    EXPECT_EQ(runCommand(std::string(QLT_EXECUTABLE) + " generate").status, 2);
    EXPECT_EQ(generate(dir, "{}", "--format xml").status, 2);
    const auto missing = runCommand(std::string(QLT_EXECUTABLE) + " generate " + shellQuote(dir.file("none.json")));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("qlt: " + dir.file("none.json") + ": ", 0), 0u);
}

// A plan setting fields of every kind on the variables, FOR, network and
// server pages, one section of each page.
TEST(QltGenerate, OneSectionOfEachPage) {
    testing_support::TempDir dir;
    // qlt offers the services listed in the folder it runs in.
    dir.write("Services.qlt", "Spooler\r\nEVENTLOG\r\n");
    dir.write("plan.json", golden("pages-plan.json"));
    const auto result = runCommand("cd " + shellQuote(dir.folder()) + " && " + QLT_EXECUTABLE + " generate plan.json");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, golden("pages-generated.txt"));
}
