#pragma once
// The update-information window's behaviour: connect to the current server,
// count the messages, retrieve message 1 (never deleting it), show the notice
// and decide whether an update can be downloaded. Driven by the buttons and by
// the POP3 client's events; knows nothing of widgets.
#include "core/info/update_config.h"
#include "core/info/update_window.h"
#include "core/ports/pop3_client.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"

#include <cstddef>
#include <string>

namespace core::info {

class UpdateSession : public ports::Pop3Listener {
public:
    enum class State { Disconnected, Connecting, Connected };

    struct Ports {
        ports::Pop3Client& client;
        ports::Prompter& prompter;
        ports::Shell& shell;
    };

    //! `localVersion` is the running program's dotted version.
    UpdateSession(UpdateWindow& window, const Ports& ports, UpdateConfig config, std::string localVersion);
    ~UpdateSession() override;
    UpdateSession(const UpdateSession&) = delete;
    UpdateSession& operator=(const UpdateSession&) = delete;

    //! Puts the window's controls in their starting state.
    void start();
    //! "Co&nnect" / "Disco&nnect".
    void connectClicked();
    //! "&Close", and the window's own close: logs out first when connected.
    void closeClicked();
    //! "&Download Update": opens the download address.
    void downloadClicked();

    State state() const { return m_state; }
    //! Index in the server list of the server the next connect uses.
    std::size_t currentServer() const { return m_current; }

    void pop3Connected() override;
    void pop3AuthenticationFailed(const std::string& reason) override;
    void pop3MessageCount(int count) override;
    void pop3Message(const std::string& raw) override;
    void pop3Failure(const std::string& reason) override;

private:
    void disconnect();
    void showAnnouncedVersion(const std::string& version);

    UpdateWindow& m_window;
    Ports m_ports;
    UpdateConfig m_config;
    std::string m_localVersion;
    State m_state = State::Disconnected;
    std::size_t m_current = 0;
};

} // namespace core::info
