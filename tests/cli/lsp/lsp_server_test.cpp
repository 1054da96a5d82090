// The language server fed byte streams, as a client sends them, and its
// answers read back from the frames it writes.
#include "cli/lsp/batch_scan.h"
#include "lsp_client.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <map>

using cli::lsp::frame;
using cli::lsp::FrameReader;
using namespace lsp_test;

TEST(LspFrames, ReaderSplitsJoinsAndSkipsBadHeaders) {
    struct Row {
        const char* name;
        std::vector<std::string> chunks;
        std::vector<std::string> bodies; //!< "!" and the reason for a dropped frame
    };
    const std::string noLength = "!header without a valid Content-Length";
    const std::vector<Row> rows = {
        {"two in one read", {frame("{}") + frame("[1]")}, {"{}", "[1]"}},
        {"split anywhere", {"Content-Len", "gth: 2\r\n\r", "\n{", "}"}, {"{}"}},
        {"other headers, any case", {"content-type: x\r\nCONTENT-LENGTH:  3 \r\n\r\nabc"}, {"abc"}},
        {"no length, then a good frame", {"X: 1\r\n\r\n" + frame("ok")}, {noLength, "ok"}},
        {"length not a number", {"Content-Length: -1\r\n\r\n" + frame("ok")}, {noLength, "ok"}},
        {"oversized body dropped at its header, skipped across reads",
         {"Content-Length: 16777217\r\n\r\n[[", std::string(std::size_t{16777215}, '[') + frame("ok")},
         {"!a message of 16777217 bytes is larger than the limit of 16 MiB; it was skipped", "ok"}},
        {"endless header", {std::string(FrameReader::MAX_HEADER + 1, 'h'), frame("ok")}, {"!header too long", "ok"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FrameReader reader;
        std::vector<std::string> got;
        for (const auto& chunk : row.chunks) {
            reader.feed(chunk);
            while (auto next = reader.next()) got.push_back(next->error.empty() ? next->body : "!" + next->error);
        }
        EXPECT_EQ(got, row.bodies);
    }
}

TEST(LspServer, AnswersBadInputWithProtocolErrors) {
    Session s;
    EXPECT_EQ(s.send(frame("{not json")).at(0)["error"]["code"], -32700);
    EXPECT_EQ(s.send(frame("[1,2]")).at(0)["error"]["code"], -32600);
    EXPECT_EQ(s.ask(7, "textDocument/hover", s.at(0, 0))["error"]["code"], -32002); // before initialize
    s.open("CLS\r\n");
    EXPECT_EQ(s.ask(8, "no/such", Json::object())["error"]["code"], -32601);
    EXPECT_TRUE(s.send(notification("no/such", Json::object())).empty());
    EXPECT_EQ(s.ask(9, "textDocument/hover", {{"textDocument", 5}})["error"]["code"], -32602);
    const Json logged = s.send("Content-Length: x\r\n\r\n").at(0);
    EXPECT_EQ(logged["method"], "window/logMessage");
}

TEST(LspServer, ShutdownStopsPublishingAndTheExitCodeTellsWhetherItCameFirst) {
    Session rude;
    rude.open("CLS");
    rude.send(notification("exit", nullptr));
    EXPECT_EQ(rude.server.exitCode(), 1);

    Session polite;
    polite.open("CLS");
    EXPECT_TRUE(polite.ask(2, "shutdown", nullptr)["result"].is_null());
    EXPECT_EQ(polite.ask(3, "textDocument/hover", polite.at(0, 0))["error"]["code"], -32600);
    const Json other = {{"textDocument", {{"uri", "file:///w/b.bat"}, {"text", "EHCO\n"}}}};
    EXPECT_TRUE(polite.send(notification("textDocument/didOpen", other)).empty()) << "published after shutdown";
    EXPECT_FALSE(polite.server.nextDue());
    polite.send(notification("exit", nullptr));
    EXPECT_EQ(polite.server.exitCode(), 0);
}

TEST(LspServer, DiagnosticsCountUtf16WaitAfterChangesAndCarryTheirVersion) {
    Session s;
    const auto version = "/params/version"_json_pointer;
    // "é" is one UTF-16 unit, the emoji two: the finding on line 2 spans the whole line.
    const auto opened = s.open("REM \xc3\xa9\r\nEHCO \xf0\x9f\x98\x80 x\r\n");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].value(version, 0), 1);
    const Json diagnostic = opened[0]["params"]["diagnostics"].at(0);
    EXPECT_EQ(diagnostic["range"], (Json{{"start", {{"line", 1}, {"character", 0}}}, {"end", {{"line", 1}, {"character", 9}}}}));
    EXPECT_EQ(diagnostic["code"], "Q002");
    EXPECT_EQ(diagnostic["severity"], 2);

    const auto changed = s.send(notification("textDocument/didChange",
                                             {{"textDocument", {{"uri", URI}, {"version", 7}}},
                                              {"contentChanges", {{{"text", "CLS\n"}}}}}));
    EXPECT_TRUE(changed.empty());
    ASSERT_TRUE(s.server.nextDue());
    const Json due = messages(s.server.tick(*s.server.nextDue())).at(0);
    EXPECT_EQ(due["params"]["diagnostics"], Json::array());
    EXPECT_EQ(due.value(version, 0), 7);
    EXPECT_FALSE(s.server.nextDue());
    const auto saved = s.send(notification("textDocument/didSave", {{"textDocument", {{"uri", URI}}}}));
    EXPECT_EQ(saved.at(0).value(version, 0), 7);
    const auto closed = s.send(notification("textDocument/didClose", {{"textDocument", {{"uri", URI}}}}));
    EXPECT_FALSE(closed.at(0)["params"].contains("version"));
}

TEST(LspServer, LabelsNavigateAndComplete) {
    Session s;
    s.open("@ECHO OFF\nGOTO end\nCALL :sub\n:Sub\nSET Name=1\nECHO %Na\n:END\n");
    EXPECT_EQ(s.ask(2, "textDocument/definition", s.at(1, 6))["result"]["range"]["start"], (Json{{"line", 6}, {"character", 1}}));
    auto refs = s.at(3, 2);
    refs["context"] = {{"includeDeclaration", true}};
    EXPECT_EQ(s.ask(3, "textDocument/references", refs)["result"].size(), 2u);
    EXPECT_EQ(s.ask(4, "textDocument/documentSymbol", s.at(0, 0))["result"].size(), 2u);

    const auto labels = s.ask(5, "textDocument/completion", s.at(1, 5))["result"];
    EXPECT_EQ(labels.size(), 2u);
    EXPECT_EQ(s.ask(6, "textDocument/completion", s.at(5, 8))["result"].at(0)["label"], "Name");
    const auto commands = s.ask(7, "textDocument/completion", s.at(0, 1))["result"];
    EXPECT_GT(commands.size(), 30u);
}

TEST(LspServer, HoverExplainsCommandsAndFindingsInTheFormatTheClientTakes) {
    const auto cases = testing_support::readCases(CLI_TEST_DATA "/lsp-hovers.txt", {});
    EXPECT_EQ(cases.size(), 4u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Json capabilities = Json::object();
        if (!c.name.empty()) capabilities["textDocument"]["hover"]["contentFormat"] = Json::parse(c.name);
        Session s;
        s.open("COPY A B\nEHCO x\n", {{"capabilities", capabilities}});
        const Json copy = s.ask(2, "textDocument/hover", s.at(0, 1))["result"]["contents"];
        EXPECT_EQ(copy["kind"], c[""].at(0));
        const std::string text = copy["value"];
        EXPECT_TRUE(text.starts_with(c[""].at(1))) << text;
        EXPECT_EQ(text.find(".html"), std::string::npos) << "a help file's name is no help in an editor";
        const std::string finding = s.ask(3, "textDocument/hover", s.at(1, 5))["result"]["contents"]["value"];
        EXPECT_NE(finding.find(c[""].at(2)), std::string::npos) << finding;
        EXPECT_TRUE(s.ask(4, "textDocument/hover", s.at(0, 6))["result"].is_null());
    }
}

TEST(LspServer, CompletionOffersWhatTheCaretsPlaceTakes) {
    const std::map<std::string, cli::lsp::CompletionContext> contexts = {
        {"none", cli::lsp::CompletionContext::None},
        {"label", cli::lsp::CompletionContext::Label},
        {"variable", cli::lsp::CompletionContext::Variable},
        {"command", cli::lsp::CompletionContext::Command}};
    for (const auto& c : testing_support::readCases(CLI_TEST_DATA "/lsp-completion.txt", {})) {
        SCOPED_TRACE(c.where);
        const auto& values = c[""];
        ASSERT_EQ(values.size(), 2u);
        EXPECT_EQ(cli::lsp::completionContext(values[0], values[0].size()), contexts.at(values[1]));
    }
}

TEST(LspServer, RulesSettingTakesTheCheckersSpellingsAndWarnsOfOthers) {
    struct Row {
        Json value;
        bool classic; //!< the classic rules apply (the file holds commands they do not know)
        bool warned;
    };
    const std::vector<Row> rows = {
        {"auto", false, false},  {"automatic", false, false}, {"cmd", false, false},
        {"classic", true, false}, {"bogus", false, true},      {5, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value.dump());
        Session s;
        const auto initialized = s.send(
            request(1, "initialize", {{"capabilities", Json::object()}, {"initializationOptions", {{"rules", row.value}}}}));
        EXPECT_EQ(initialized.size(), row.warned ? 2u : 1u);
        const auto opened = s.send(notification(
            "textDocument/didOpen", {{"textDocument", {{"uri", URI}, {"version", 1}, {"text", "SETLOCAL\r\nPUSHD x\r\n"}}}}));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0]["params"]["diagnostics"].empty(), !row.classic);

        const auto changed = s.send(notification("workspace/didChangeConfiguration", {{"settings", {{"quillet", {{"rules", row.value}}}}}}));
        ASSERT_EQ(changed.size(), row.warned ? 2u : 1u);
        if (!row.warned) continue;
        EXPECT_EQ(changed[0]["method"], "window/showMessage");
        EXPECT_EQ(changed[0]["params"]["type"], 2);
        const std::string said = changed[0]["params"]["message"];
        for (const char* name : {"\"auto\"", "\"automatic\"", "\"classic\"", "\"cmd\""}) EXPECT_NE(said.find(name), std::string::npos) << said;
    }
}
