// The language server's code actions, rename and highlights, asked of a
// document directly; the capabilities through the server.
#include "cli/lsp/editing.h"
#include "lsp_client.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using cli::lsp::TextDocument;
using namespace lsp_test;

namespace {

constexpr auto CMD = core::checker::RuleChoice::Cmd;

Json pos(int line, int character) { return {{"line", line}, {"character", character}}; }
Json lineRange(int first, int last) { return {{"start", pos(first, 0)}, {"end", pos(last, 0)}}; }

// The text after the edits of one file (edits on one line each, applied last first).
std::string applied(const std::string& text, Json edits) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    std::sort(edits.begin(), edits.end(), [](const Json& a, const Json& b) {
        return std::pair(a["range"]["start"]["line"].get<int>(), a["range"]["start"]["character"].get<int>()) >
               std::pair(b["range"]["start"]["line"].get<int>(), b["range"]["start"]["character"].get<int>());
    });
    for (const auto& edit : edits) {
        const auto line = edit["range"]["start"]["line"].get<std::size_t>();
        const auto endLine = edit["range"]["end"]["line"].get<std::size_t>();
        const auto from = edit["range"]["start"]["character"].get<std::size_t>();
        const auto to = edit["range"]["end"]["character"].get<std::size_t>();
        std::string joined = lines[line].substr(0, from) + edit["newText"].get<std::string>() + lines[endLine].substr(to);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line), lines.begin() + static_cast<std::ptrdiff_t>(endLine) + 1);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), joined);
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\n" : "") + lines[i];
    return out;
}

TEST(LspCodeActions, OfferEachFixOnTheRangeAndFixAll) {
    const std::string text = "setlocal\ncall :finsh\n:finish\nEXIT \\B 1";
    const TextDocument doc(text);
    const Json actions = cli::lsp::codeActions(doc, URI, CMD, {{"range", lineRange(1, 1)}});
    ASSERT_EQ(actions.size(), 2u) << actions.dump(1);
    EXPECT_EQ(actions[0]["title"], "Jump to :finish (suggested)");
    EXPECT_EQ(actions[0]["kind"], "quickfix");
    EXPECT_FALSE(actions[0]["isPreferred"].get<bool>());
    EXPECT_EQ(actions[0]["diagnostics"][0]["code"], "Q103");
    EXPECT_EQ(applied(text, actions[0]["edit"]["changes"][URI]), "setlocal\ncall :finish\n:finish\nEXIT \\B 1");
    // Fix all makes the safe fixes only.
    EXPECT_EQ(actions[1]["title"], "Fix all safe problems");
    EXPECT_EQ(actions[1]["kind"], "source.fixAll");
    EXPECT_EQ(applied(text, actions[1]["edit"]["changes"][URI]), "setlocal\ncall :finsh\n:finish\nEXIT /B 1");

    const Json safe = cli::lsp::codeActions(doc, URI, CMD, {{"range", lineRange(3, 3)}, {"context", {{"only", {"quickfix"}}}}});
    ASSERT_EQ(safe.size(), 1u);
    EXPECT_EQ(safe[0]["title"], "Change to /B");
    EXPECT_TRUE(safe[0]["isPreferred"].get<bool>());
    EXPECT_TRUE(cli::lsp::codeActions(TextDocument("setlocal\nECHO fine"), URI, CMD, {{"range", lineRange(0, 1)}}).empty());
}

TEST(LspCodeActions, FixAllJoinsLinesAndCountsUtf16) {
    // "𝄞" takes two UTF-16 units; ELSE moves up onto the bracket's line.
    const std::string text = "IF \"\xF0\x9D\x84\x9E\"==\"x\" (\n  ECHO same\n)\nELSE (\n  ECHO other\n)\nEXIT \\B";
    const Json actions = cli::lsp::codeActions(TextDocument(text), URI, CMD,
                                               {{"range", lineRange(6, 6)}, {"context", {{"only", {"source.fixAll"}}}}});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(applied(text, actions[0]["edit"]["changes"][URI]),
              "IF \"\xF0\x9D\x84\x9E\"==\"x\" (\n  ECHO same\n) ELSE (\n  ECHO other\n)\nEXIT /B");
}

TEST(LspRename, RenamesEveryUseInTheFileAndRefusesNamesCmdCannotUse) {
    const auto cases = testing_support::readCases(CLI_TEST_DATA "/lsp-renames.txt", {"text", "renamed", "refused"});
    EXPECT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto at = testing_support::wordsOf(c[""].at(0));
        const Json position = pos(std::stoi(at.at(0)), std::stoi(at.at(1)));
        const std::string text = testing_support::joined(c["text"], "\n");
        if (!c["renamed"].empty()) {
            const Json edit = cli::lsp::rename(TextDocument(text), URI, position, c[""].at(1));
            EXPECT_EQ(applied(text, edit["changes"][URI]), testing_support::joined(c["renamed"], "\n"));
        }
        for (const auto& name : c["refused"])
            EXPECT_THROW(cli::lsp::rename(TextDocument(text), URI, position, name), std::invalid_argument) << name;
    }
}

TEST(LspHighlight, MarksTheOtherUsesOfTheNameUnderTheCursor) {
    const TextDocument doc("SET X=1\nECHO %x%\n:a\nGOTO a");
    const Json marks = cli::lsp::documentHighlights(doc, pos(1, 7));
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0]["kind"], 3) << "the SET gives the value";
    EXPECT_EQ(marks[0]["range"]["start"], pos(0, 4));
    EXPECT_EQ(marks[1]["kind"], 2);
    EXPECT_EQ(marks[1]["range"]["start"], pos(1, 6));
    EXPECT_EQ(cli::lsp::documentHighlights(doc, pos(3, 5)).size(), 2u);
    EXPECT_TRUE(cli::lsp::documentHighlights(doc, pos(1, 1)).is_null());
}

TEST(LspEditing, CapabilitiesAreAdvertised) {
    Session s;
    const Json caps = s.ask(1, "initialize", Json::object())["result"]["capabilities"];
    EXPECT_EQ(caps["codeActionProvider"]["codeActionKinds"], Json({"quickfix", "source.fixAll"}));
    EXPECT_TRUE(caps["renameProvider"].get<bool>());
    EXPECT_TRUE(caps["documentHighlightProvider"].get<bool>());
}

} // namespace
