// The language server against hostile and careless input: bodies nesting or
// growing past its limits, positions no editor would send, a client that
// stops reading, a long line full of findings.
#include "cli/lsp/features.h"
#include "cli/lsp/input_pump.h"
#include "cli/lsp/message.h"
#include "lsp_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

using cli::lsp::Clock;
using cli::lsp::frame;
using namespace lsp_test;

namespace {

std::string nested(std::size_t depth) { return std::string(depth, '[') + std::string(depth, ']'); }

// An array of `count` zeros: with the array itself, one value more.
std::string manyValues(std::size_t count) {
    std::string text = "[0";
    for (std::size_t i = 1; i < count; ++i) text += ",0";
    return text + "]";
}

} // namespace

TEST(LspFaults, DeepOrHugeBodiesAreAnsweredWithErrorsAndTheServerGoesOn) {
    struct Row {
        const char* name;
        std::string body;
        const char* says;
    };
    const std::string hover = R"("method":"textDocument/hover")";
    const std::vector<Row> rows = {
        {"params 150,000 deep", "{\"jsonrpc\":\"2.0\",\"id\":2," + hover + ",\"params\":" + nested(150000) + "}", "deeper than 64"},
        {"id 150,000 deep", "{\"jsonrpc\":\"2.0\",\"id\":" + nested(150000) + "," + hover + "}", "deeper than 64"},
        {"settings 150,000 deep",
         R"({"jsonrpc":"2.0","method":"workspace/didChangeConfiguration","params":{"settings":)" + nested(150000) + "}}",
         "deeper than 64"},
        {"opening brackets only", std::string(100000, '['), "deeper than 64"},
        {"65 levels", nested(65), "deeper than 64"},
        {"more values than allowed", manyValues(cli::lsp::MAX_VALUES), "more than 262144 values"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        s.open("CLS\n");
        const auto got = s.send(frame(row.body));
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0]["error"]["code"], -32600);
        EXPECT_NE(got[0]["error"]["message"].get<std::string>().find(row.says), std::string::npos);
        EXPECT_TRUE(s.ask(3, "shutdown", nullptr).contains("result"));
    }
    // 64 levels is within the limit: an ordinary (if odd) request.
    EXPECT_TRUE(std::holds_alternative<Json>(cli::lsp::parseMessage(nested(64))));
}

// The pump stops reading while the server leaves its bytes waiting (as it does
// while blocked writing to a client that stopped reading), and goes on once
// they are taken.
TEST(LspFaults, InputIsNotReadFurtherWhileItsBytesWait) {
    struct Source {
        std::atomic<std::size_t> reads{0};
        std::size_t total = 256;
    };
    auto source = std::make_shared<Source>();
    cli::lsp::InputPump pump([source](char* buffer, std::size_t size) -> long {
        if (source->reads.fetch_add(1) >= source->total) return 0;
        std::memset(buffer, 'x', size);
        return static_cast<long>(size);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::size_t before = source->reads.load();
    EXPECT_LE(before, cli::lsp::InputPump::MAX_WAITING / 65536 + 1);
    std::size_t bytes = 0;
    while (!pump.ended()) bytes += pump.wait(Clock::now() + std::chrono::seconds(5)).size();
    EXPECT_EQ(bytes, source->total * 65536);
}

TEST(LspFaults, PositionsOutsideTheProtocolAreInvalidParams) {
    // Line and character: negative, 1e300, a fraction, past 2^31 - 1, text.
    const std::pair<Json, Json> rows[] = {{0, -1}, {-1, 0}, {1e300, 0}, {0, 1e300}, {0, 1.5}, {0, 2147483648ULL}, {"0", 0}};
    Session s;
    s.open(":top\nGOTO top\n");
    int id = 10;
    for (const auto& [line, character] : rows) {
        SCOPED_TRACE(line.dump() + " " + character.dump());
        for (const char* method : {"textDocument/hover", "textDocument/definition", "textDocument/completion",
                                   "textDocument/references"}) {
            const Json params = {{"textDocument", {{"uri", URI}}},
                                 {"position", {{"line", line}, {"character", character}}},
                                 {"context", {{"includeDeclaration", true}}}};
            const auto got = s.send(request(++id, method, params));
            ASSERT_EQ(got.size(), 1u) << method;
            EXPECT_EQ(got[0].value("/error/code"_json_pointer, 0), -32602) << method;
        }
    }
    // The largest position the protocol allows stands at the end of its line.
    const Json params = {{"textDocument", {{"uri", URI}}}, {"position", {{"line", 1}, {"character", 2147483647}}}};
    EXPECT_EQ(s.ask(99, "textDocument/definition", params)["result"]["range"]["start"]["line"], 0);
}

// A thousand findings at the end of a line of a million characters, after
// non-ASCII text: counted from the line's start for each finding this costs a
// thousand passes over the line; counted once for the line, about one. Timed
// against one pass, so a loaded machine slows both alike.
TEST(LspFaults, ManyFindingsOnOneLongLineAreConvertedInLinearTime) {
    constexpr std::size_t WIDTH = 1000000;
    constexpr std::size_t COUNT = 1000;
    std::string line;
    for (std::size_t i = 0; i < WIDTH; ++i) line += i % 2 ? "x" : "\xf0\x9f\x98\x80"; // an emoji is two UTF-16 units
    std::vector<core::checker::Finding> findings(COUNT);
    for (std::size_t i = 0; i < COUNT; ++i) {
        findings[i].line = 1;
        findings[i].column = WIDTH - COUNT + i + 1; // 1-based characters
        findings[i].length = 1;
    }
    const cli::lsp::TextDocument doc(line);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(doc.utf16Length(0), WIDTH / 2 * 3);
    const auto onePass = std::chrono::steady_clock::now() - start;
    start = std::chrono::steady_clock::now();
    const Json out = cli::lsp::diagnostics(doc, findings);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20 * onePass);
    ASSERT_EQ(out.size(), COUNT);
    // The last finding is on the last character, an "x" after WIDTH / 2 emoji.
    EXPECT_EQ(out.back()["range"]["start"]["character"], WIDTH / 2 * 3 - 1);
    EXPECT_EQ(out.back()["range"]["end"]["character"], WIDTH / 2 * 3);
}
