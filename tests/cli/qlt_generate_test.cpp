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

TEST(QltGenerate, PlansGiveTheirLinesMessagesAndStatus) {
    const auto cases = testing_support::readCases(CLI_TEST_DATA "/plans.txt", {"out", "err"});
    EXPECT_EQ(cases.size(), 4u);
    const auto text = [](const std::vector<std::string>& lines) {
        return lines.empty() ? "" : testing_support::joined(lines, "\n") + "\n";
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        TempDir dir;
        const auto result = generate(dir, c.name);
        EXPECT_EQ(result.status, std::stoi(c[""].at(0)));
        EXPECT_EQ(result.out, text(c["out"]));
        EXPECT_EQ(result.err, text(c["err"]));
    }
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
