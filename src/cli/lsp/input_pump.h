#pragma once
// Bytes from the client, read by a thread of their own so that the server can
// wake for a debounce deadline while the client is silent. The thread holds at
// most MAX_WAITING bytes the server has not taken: while the server is busy
// (or blocked writing to a client that stopped reading) it stops reading, and
// the client's writes wait in the pipe instead of in memory.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace cli::lsp {

class InputPump {
public:
    //! Reads up to `size` bytes into `buffer`; returns how many, 0 or less at the end.
    using Read = std::function<long(char* buffer, std::size_t size)>;
    //! The most bytes read ahead of the server.
    static constexpr std::size_t MAX_WAITING = std::size_t{1} << 20;

    //! Starts the reading thread. It may outlive the pump while blocked in `read`.
    explicit InputPump(Read read);
    //! Waits until bytes arrive, the input ends or the deadline passes; returns what arrived.
    std::string wait(std::optional<std::chrono::steady_clock::time_point> deadline);
    //! Whether the input ended and every byte was taken.
    bool ended();

private:
    struct State {
        std::mutex mutex;
        std::condition_variable arrived; //!< bytes or the end came
        std::condition_variable taken;   //!< the server took the bytes
        std::string bytes;
        bool ended = false;
    };
    static void pump(State& state, const Read& read);

    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace cli::lsp
