#include "cli/lsp/lsp_command.h"

#include "cli/lsp/server.h"
#include "cli/qlt.h"

#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

// Bytes from standard input, read by a thread of their own so that the server
// can wake for a debounce deadline while the client is silent.
class InputPump {
public:
    InputPump() {
        std::thread([state = m_state] { pump(*state); }).detach();
    }
    //! Waits until bytes arrive, the input ends or the deadline passes; returns what arrived.
    std::string wait(std::optional<lsp::Clock::time_point> deadline) {
        std::unique_lock lock(m_state->mutex);
        const auto ready = [&] { return !m_state->bytes.empty() || m_state->ended; };
        if (deadline) m_state->signal.wait_until(lock, *deadline, ready);
        else m_state->signal.wait(lock, ready);
        return std::exchange(m_state->bytes, {});
    }
    bool ended() {
        std::lock_guard lock(m_state->mutex);
        return m_state->ended && m_state->bytes.empty();
    }

private:
    // Shared with the detached thread, which may outlive the pump while blocked in a read.
    struct State {
        std::mutex mutex;
        std::condition_variable signal;
        std::string bytes;
        bool ended = false;
    };

    static void pump(State& state) {
        char buffer[65536];
        for (;;) {
#ifdef _WIN32
            const int n = _read(0, buffer, sizeof buffer);
#else
            const auto n = ::read(0, buffer, sizeof buffer);
#endif
            std::lock_guard lock(state.mutex);
            if (n <= 0) state.ended = true;
            else state.bytes.append(buffer, static_cast<std::size_t>(n));
            state.signal.notify_one();
            if (n <= 0) return;
        }
    }

    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace

int runLsp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "qlt: lsp takes no arguments (it talks over standard input and output)\n";
        return EXIT_USAGE;
    }
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
#endif
    lsp::Server server;
    InputPump input;
    for (;;) {
        const std::string bytes = input.wait(server.nextDue());
        std::string reply = server.receive(bytes, lsp::Clock::now());
        reply += server.tick(lsp::Clock::now());
        if (!reply.empty()) out.write(reply.data(), static_cast<std::streamsize>(reply.size())).flush();
        if (server.exitCode()) return *server.exitCode();
        if (input.ended()) return server.statusAtEnd();
    }
}

} // namespace cli
