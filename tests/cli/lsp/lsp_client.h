#pragma once
// The client's side of `qlt lsp` in tests: messages framed as a client sends
// them, and the server's answers read back from the frames it writes.
#include "cli/lsp/frame_reader.h"
#include "cli/lsp/server.h"

#include <string>
#include <vector>

namespace lsp_test {

using cli::lsp::Json;

inline const std::string URI = "file:///w/a.bat";

//! Every frame of a byte stream, as JSON.
inline std::vector<Json> messages(const std::string& bytes) {
    cli::lsp::FrameReader reader;
    reader.feed(bytes);
    std::vector<Json> out;
    while (auto next = reader.next()) out.push_back(Json::parse(next->body));
    return out;
}

inline std::string request(int id, const std::string& method, const Json& params) {
    return cli::lsp::frame(Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump());
}
inline std::string notification(const std::string& method, const Json& params) {
    return cli::lsp::frame(Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}.dump());
}

//! A server fed at one moment, `now`.
struct Session {
    cli::lsp::Server server;
    cli::lsp::Clock::time_point now = cli::lsp::Clock::now();
    std::vector<Json> send(const std::string& bytes) { return messages(server.receive(bytes, now)); }
    Json ask(int id, const std::string& method, const Json& params) { return send(request(id, method, params)).at(0); }
    //! Initializes the server and opens URI holding `text`: the messages the opening brings.
    std::vector<Json> open(const std::string& text, const Json& initialize = {{"capabilities", Json::object()}}) {
        send(request(1, "initialize", initialize));
        return send(notification("textDocument/didOpen",
                                 {{"textDocument", {{"uri", URI}, {"languageId", "bat"}, {"version", 1}, {"text", text}}}}));
    }
    static Json at(int line, int character) {
        return {{"textDocument", {{"uri", URI}}}, {"position", {{"line", line}, {"character", character}}}};
    }
};

} // namespace lsp_test
