// `qlt check --fix`, `--unsafe-fixes` and `--format diff`, run as a process on
// files in a temporary folder; the unified diff on its own.
#include "cli/check/unified_diff.h"
#include "core/text/file_io.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

std::string qlt(const std::string& args) { return std::string(QLT_EXECUTABLE) + " check " + args; }
std::string contents(const std::string& path) { return core::text::readFile(path).bytes; }

// A safe fix (EXIT \B), a suggested one (the label) and a Windows-1252 line
// with CR LF breaks that must come back byte for byte.
constexpr std::string_view FAULTY = "@echo off\r\nsetlocal\r\nREM caf\xe9\r\ncall :finsh\r\n:finish\r\nEXIT \\B 1\r\n";
constexpr std::string_view SAFE_FIXED = "@echo off\r\nsetlocal\r\nREM caf\xe9\r\ncall :finsh\r\n:finish\r\nEXIT /B 1\r\n";
constexpr std::string_view ALL_FIXED = "@echo off\r\nsetlocal\r\nREM caf\xe9\r\ncall :finish\r\n:finish\r\nEXIT /B 1\r\n";

TEST(FixCommand, FixWritesSafeFixesAndReportsWhatIsLeft) {
    TempDir dir;
    const auto path = dir.write("a.bat", FAULTY);
    const auto clean = dir.write("clean.bat", "@echo off\r\nsetlocal\r\n");
    const auto result = runCommand(qlt("--fix " + shellQuote(path) + " " + shellQuote(clean)));
    EXPECT_EQ(contents(path), SAFE_FIXED);
    EXPECT_EQ(contents(clean), "@echo off\r\nsetlocal\r\n");
    EXPECT_EQ(result.status, 1) << "the missing label is still reported";
    EXPECT_NE(result.out.find(":4:6: error:"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Q102"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "qlt: " + path + ": applied 1 fix (Q102 x1)\n");

    const auto unsafe = runCommand(qlt("--fix --unsafe-fixes " + shellQuote(path)));
    EXPECT_EQ(contents(path), ALL_FIXED);
    EXPECT_EQ(unsafe.status, 0);
    EXPECT_EQ(unsafe.out, "");
}

TEST(FixCommand, DiffShowsTheFixesAndWritesNothing) {
    TempDir dir;
    const auto path = dir.write("a.bat", FAULTY);
    const auto result = runCommand("cd " + shellQuote(dir.path().string()) + " && " + qlt("--format diff --unsafe-fixes a.bat"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(contents(path), FAULTY);
    EXPECT_EQ(result.out, "--- a/a.bat\n+++ b/a.bat\n@@ -1,6 +1,6 @@\n @echo off\r\n setlocal\r\n REM caf\xe9\r\n"
                          "-call :finsh\r\n+call :finish\r\n :finish\r\n-EXIT \\B 1\r\n+EXIT /B 1\r\n");
    // The diff applies with git, giving what --fix writes.
    if (runCommand("git --version").status != 0) GTEST_SKIP() << "git cannot be run here";
    dir.write("fix.diff", result.out);
    const auto applied = runCommand("cd " + shellQuote(dir.path().string()) + " && git apply fix.diff 2>&1");
    EXPECT_EQ(applied.status, 0) << applied.out;
    EXPECT_EQ(contents(path), ALL_FIXED);
    EXPECT_EQ(runCommand(qlt("--format diff " + shellQuote(path))).status, 0) << "nothing left to fix";
}

TEST(FixCommand, AFileThatCannotBeWrittenBackIsLeftAsItIs) {
    TempDir dir;
    // Read as UTF-8, the lone Windows-1252 byte would come back as another character.
    const auto path = dir.write("a.bat", "setlocal\r\nREM caf\xe9\r\nEXIT \\B 1\r\n");
    const auto result = runCommand(qlt("--fix --encoding utf-8 " + shellQuote(path)));
    EXPECT_EQ(contents(path), "setlocal\r\nREM caf\xe9\r\nEXIT \\B 1\r\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("a.bat: left unchanged: it is not valid UTF-8"), std::string::npos) << result.err;
}

TEST(FixCommand, OptionsThatContradictAreRefused) {
    for (const char* args : {"--fix --format diff a.bat", "--unsafe-fixes a.bat"}) {
        const auto result = runCommand(qlt(args));
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(runCommand(qlt("--fix /no/such/file.bat")).status, 2);
}

TEST(UnifiedDiff, HunksKeepThreeLinesOfContext) {
    EXPECT_EQ(cli::unifiedDiff("x", "a\n", "a\n"), "");
    // Two changes far apart make two hunks; a joined line shortens the second.
    const std::string before = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n)\nELSE (\n";
    const std::string after = "1\nTWO\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n) ELSE (\n";
    EXPECT_EQ(cli::unifiedDiff("x", before, after),
              "--- a/x\n+++ b/x\n@@ -1,5 +1,5 @@\n 1\n-2\n+TWO\n 3\n 4\n 5\n"
              "@@ -10,5 +10,4 @@\n 10\n 11\n 12\n-)\n-ELSE (\n+) ELSE (\n");
    // A last line without a line feed says so.
    EXPECT_EQ(cli::unifiedDiff("x", "a\nb", "a\nc"), "--- a/x\n+++ b/x\n@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+c\n\\ No newline at end of file\n");
    EXPECT_EQ(cli::unifiedDiff("x", "", "new\n"), "--- a/x\n+++ b/x\n@@ -0,0 +1,1 @@\n+new\n");
}

} // namespace
