// `qlt check` run as a process on files in a temporary folder.
#include "core/checker/messages.h"
#include "support/case_file.h"
#include "support/golden.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

using core::checker::formatMessage;
using core::checker::MessageId;
using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

std::string qltCheck(const std::string& args) { return std::string(QLT_EXECUTABLE) + " check " + args; }

// Two documents: one with two problems (CR LF, a Windows-1252 name), one clean (LF only).
struct Documents {
    TempDir dir;
    std::string faulty = dir.write("faulty.bat", "@ECHO OFF\r\n:Start\r\nSET Caf\xe9=1\r\nDIR\r\n"
                                                 "GOTO MISSING\r\n");
    std::string clean = dir.write("clean.bat", "REM fine\nCLS\n");
};

TEST(CheckCommand, TextReportsOneLinePerMessage) {
    Documents docs;
    auto result = runCommand(qltCheck(shellQuote(docs.faulty) + " " + shellQuote(docs.clean)));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, docs.faulty + ":4:1: warning: " + formatMessage(MessageId::Unrecognised, 4, "DIR") +
                              " [Q002]\n" + docs.faulty + ":5:1: warning: " +
                              formatMessage(MessageId::GotoLabel, 5, "MISSING") + " [Q035]\n");
    EXPECT_EQ(result.err, "");

    auto clean = runCommand(qltCheck(shellQuote(docs.clean)));
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
}

TEST(CheckCommand, JsonWithSpansHoldsListsAndSpansInUtf8) {
    Documents docs;
    auto result = runCommand(qltCheck("--format json --spans " + shellQuote(docs.faulty) + " " + shellQuote(docs.clean)));
    EXPECT_EQ(result.status, 1);
    auto expected = testing_support::golden("check-two-files.json");
    const std::pair<std::string, std::string> paths[] = {{"\"@FAULTY@\"", docs.faulty}, {"\"@CLEAN@\"", docs.clean}};
    for (const auto& [hole, path] : paths) expected.replace(expected.find(hole), hole.size(), nlohmann::json(path).dump());
    EXPECT_EQ(nlohmann::json::parse(result.out), nlohmann::json::parse(expected));

    auto withoutSpans = nlohmann::json::parse(runCommand(qltCheck("--format json " + shellQuote(docs.clean))).out);
    EXPECT_FALSE(withoutSpans["files"][0].contains("spans"));
}

TEST(CheckCommand, ManyFilesReportInTheOrderGivenAndGccIsText) {
    TempDir dir;
    std::string args;
    std::string expected;
    for (int i = 0; i < 9; ++i) {
        const std::string name = "f" + std::to_string(i) + ".bat";
        // Longer files first, so that later ones tend to finish earlier.
        const std::string command = "EHCO X" + std::to_string(i);
        const std::string path = dir.write(name, std::string(static_cast<std::size_t>(9 - i) * 20000, '\n') + command + "\n");
        args += " " + shellQuote(path);
        expected += path + ":" + std::to_string((9 - i) * 20000 + 1) + ":1: warning: " +
                    formatMessage(MessageId::Unrecognised, (9 - i) * 20000 + 1, command) + " [Q002]\n";
    }
    EXPECT_EQ(runCommand(qltCheck(args)).out, expected);
    EXPECT_EQ(runCommand(qltCheck("--format gcc" + args)).out, expected);
    EXPECT_EQ(nlohmann::json::parse(runCommand(qltCheck("--format json" + args)).out)["files"].size(), 9u);
}

TEST(CheckCommand, UnreadableFileIsReportedAndTheOthersAreStillChecked) {
    Documents docs;
    const std::string missing = docs.dir.file("missing.bat");
    auto result = runCommand(qltCheck(shellQuote(missing) + " " + shellQuote(docs.faulty)));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "qlt: " + missing + ": No such file or directory\n");
    EXPECT_NE(result.out.find(docs.faulty + ":4:1: warning: "), std::string::npos);

    auto json = runCommand(qltCheck("--format json " + shellQuote(docs.faulty) + " " + shellQuote(missing)));
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(nlohmann::json::parse(json.out)["files"].size(), 1u);
}

TEST(CheckCommand, IgnoreListEntriesAreNotReported) {
    Documents docs;
    const auto list = docs.dir.write("Ignore.qlt", "FROB\r\ndir\r\n");
    auto result = runCommand(qltCheck("--ignore-list " + shellQuote(list) + " " + shellQuote(docs.faulty)));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              docs.faulty + ":5:1: warning: " + formatMessage(MessageId::GotoLabel, 5, "MISSING") + " [Q035]\n");
}

// Columns and lengths count characters of the decoded text, whatever the encoding.
TEST(CheckCommand, FilesAreDecodedAsOpenDetectsOrAsTheOptionSays) {
    TempDir dir;
    const auto utf8 = dir.write("utf8.bat", "SET Caf\xC3\xA9=1\r\nREM \xC3\xA9 \xD0\x9F\r\n");
    const auto run = [&](const std::string& option) {
        const auto result = runCommand(qltCheck("--format json --spans " + option + shellQuote(utf8)));
        EXPECT_EQ(result.status, 0) << result.err;
        return nlohmann::json::parse(result.out)["files"][0];
    };
    const auto detected = run("");
    EXPECT_EQ(detected["variables"], nlohmann::json({"Caf\xC3\xA9"}));
    EXPECT_EQ(detected["spans"][1]["length"], 7); // "REM é П": 7 characters, 9 bytes
    // Read as OEM 850, the two bytes of "é" are "├®"; "├" has no Windows-1252 byte.
    EXPECT_EQ(run("--encoding cp850 ")["variables"], nlohmann::json({"Caf?\xC2\xAE"}));
}

TEST(CheckCommand, BadUsageExitsWithTwo) {
    Documents docs;
    auto cases = testing_support::readCases(CLI_TEST_DATA "/check-usage.txt", {});
    EXPECT_EQ(cases.size(), 7u);
    for (auto& c : cases) {
        SCOPED_TRACE(c.where);
        if (const auto at = c.name.find("@CLEAN@"); at != std::string::npos) c.name.replace(at, 7, shellQuote(docs.clean));
        auto result = runCommand(qltCheck(c.name));
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, c[""].at(0));
        EXPECT_EQ(result.out, "");
    }
}

} // namespace

// Automatic picks the command interpreter's rules for a file that uses its
// features; --rules forces either set.
TEST(CheckCommand, RulesChoiceAndCodes) {
    TempDir dir;
    const auto modern = dir.write("modern.cmd", "@echo off\r\nsetlocal\r\ngoto :main\r\n:mian\r\nexit /b 0\r\n");
    auto result = runCommand(qltCheck(shellQuote(modern)));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out.substr(0, modern.size() + 22), modern + ":3:6: error: The label");
    EXPECT_NE(result.out.find("[Q103]\n"), std::string::npos);

    auto json = nlohmann::json::parse(runCommand(qltCheck("--format json --rules classic " + shellQuote(modern))).out);
    EXPECT_EQ(json["files"][0]["rules"], "classic");
    json = nlohmann::json::parse(runCommand(qltCheck("--format json --rules cmd " + shellQuote(modern))).out);
    EXPECT_EQ(json["files"][0]["rules"], "cmd");
    EXPECT_EQ(json["files"][0]["messages"][0]["length"], 5);

    // A file long enough to be checked in parts is still judged whole: its one
    // command interpreter feature is on its last line.
    const auto longFile = dir.write("long.bat", "GOTO :missing\n" + std::string(20000, '\n') + "setlocal\n");
    json = nlohmann::json::parse(runCommand(qltCheck("--format json " + shellQuote(longFile))).out);
    EXPECT_EQ(json["files"][0]["rules"], "cmd");
    EXPECT_EQ(json["files"][0]["messages"][0]["code"], "Q103");
}

TEST(CheckCommand, ExplainShowsTheTopicOfEveryCode) {
    for (const char* code : {"Q001", "q101", "Q117"}) {
        auto result = runCommand(std::string(QLT_EXECUTABLE) + " explain " + code);
        EXPECT_EQ(result.status, 0) << code;
        EXPECT_NE(result.out.find("Fires:"), std::string::npos) << code;
    }
    auto unknown = runCommand(std::string(QLT_EXECUTABLE) + " explain Q999");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "qlt: unknown code 'Q999'\n");
}
