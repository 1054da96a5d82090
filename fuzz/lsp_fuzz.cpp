// Bytes as a client of `qlt lsp` might send them, handed to the server in
// pieces whose sizes the first byte picks. Whatever comes in, every frame the
// server writes must be well formed and hold JSON, and the server must go on.
#include "fuzz_targets.h"

#include "cli/lsp/frame_reader.h"
#include "cli/lsp/server.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace fuzz {
namespace {

void checkReplies(const std::string& bytes) {
    cli::lsp::FrameReader reader;
    reader.feed(bytes);
    while (auto frame = reader.next()) {
        if (!frame->error.empty() || !nlohmann::json::accept(frame->body)) fail();
    }
}

} // namespace

int lspInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    cli::lsp::Server server;
    auto now = cli::lsp::Clock::now();
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        checkReplies(server.receive(bytes.substr(at, piece), now));
        now += cli::lsp::Server::DEBOUNCE;
        checkReplies(server.tick(now));
    }
    return 0;
}

} // namespace fuzz
