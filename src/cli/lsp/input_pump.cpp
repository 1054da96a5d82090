#include "cli/lsp/input_pump.h"

#include <thread>
#include <utility>

namespace cli::lsp {
namespace {

constexpr std::size_t CHUNK = 65536;

} // namespace

InputPump::InputPump(Read read) {
    std::thread([state = m_state, read = std::move(read)] { pump(*state, read); }).detach();
}

std::string InputPump::wait(std::optional<std::chrono::steady_clock::time_point> deadline) {
    std::unique_lock lock(m_state->mutex);
    const auto ready = [&] { return !m_state->bytes.empty() || m_state->ended; };
    if (deadline) m_state->arrived.wait_until(lock, *deadline, ready);
    else m_state->arrived.wait(lock, ready);
    std::string bytes = std::exchange(m_state->bytes, {});
    m_state->taken.notify_one();
    return bytes;
}

bool InputPump::ended() {
    std::lock_guard lock(m_state->mutex);
    return m_state->ended && m_state->bytes.empty();
}

void InputPump::pump(State& state, const Read& read) {
    std::string buffer(CHUNK, '\0');
    for (;;) {
        {
            std::unique_lock lock(state.mutex);
            state.taken.wait(lock, [&] { return state.bytes.size() < MAX_WAITING; });
        }
        const long n = read(buffer.data(), buffer.size());
        std::lock_guard lock(state.mutex);
        if (n <= 0) state.ended = true;
        else state.bytes.append(buffer, 0, static_cast<std::size_t>(n));
        state.arrived.notify_one();
        if (n <= 0) return;
    }
}

} // namespace cli::lsp
