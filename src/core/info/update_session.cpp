#include "core/info/update_session.h"

#include "core/info/update_notice.h"
#include "core/info/update_texts.h"
#include "core/info/version_compare.h"

namespace core::info {

using ports::Answer;
using ports::Buttons;
using ports::MessageKind;

UpdateSession::UpdateSession(UpdateWindow& window, const Ports& ports, UpdateConfig config, std::string localVersion)
    : m_window(window), m_ports(ports), m_config(std::move(config)), m_localVersion(std::move(localVersion)) {
    m_ports.client.setListener(this);
}

UpdateSession::~UpdateSession() {
    if (m_state != State::Disconnected) m_ports.client.disconnect();
    m_ports.client.setListener(nullptr);
}

void UpdateSession::start() {
    m_window.setConnectButton(texts::CONNECT, true);
    m_window.setDownloadEnabled(false);
    m_window.setCloseButton(texts::CLOSE, true);
}

void UpdateSession::connectClicked() {
    if (m_state == State::Disconnected) {
        m_state = State::Connecting;
        // A second click while the attempt runs would start a second session.
        m_window.setConnectButton(texts::CONNECT, false);
        m_ports.client.connect(accountFor(m_config, m_current));
    } else {
        disconnect();
    }
}

void UpdateSession::closeClicked() {
    if (m_state != State::Disconnected) {
        m_window.setCloseButton(texts::CLOSING, false);
        disconnect();
    }
    m_window.closeWindow();
}

void UpdateSession::downloadClicked() {
    std::string error;
    if (!m_ports.shell.open(m_config.downloadAddress, error))
        m_ports.prompter.message(MessageKind::Error, Buttons::Ok, texts::downloadFailed(m_config.downloadAddress, error));
}

void UpdateSession::disconnect() {
    m_ports.client.disconnect();
    m_state = State::Disconnected;
    m_window.setConnectButton(texts::CONNECT, true);
}

void UpdateSession::pop3Connected() {
    if (m_state != State::Connecting) return;
    m_state = State::Connected;
    m_window.showNotice({std::string(texts::CONNECTED_WAIT)});
    m_window.setConnectButton(texts::DISCONNECT, true);
    m_ports.client.requestCount();
}

void UpdateSession::pop3AuthenticationFailed(const std::string&) {
    if (m_state == State::Disconnected) return;
    disconnect();
    m_ports.prompter.message(MessageKind::Error, Buttons::Ok,
                             texts::accountRejected(m_config.servers.at(m_current).host));
}

void UpdateSession::pop3MessageCount(int count) {
    if (m_state != State::Connected) return;
    if (count > 0) {
        m_ports.client.retrieve(1);
        return;
    }
    m_window.showNotice({std::string(texts::NO_UPDATE)});
}

void UpdateSession::pop3Message(const std::string& raw) {
    if (m_state != State::Connected) return;
    const auto notice = readNotice(raw);
    m_window.showNotice(notice.lines);
    showAnnouncedVersion(notice.version);
}

void UpdateSession::showAnnouncedVersion(const std::string& version) {
    const auto order = compareVersions(version, m_localVersion);
    if (!order) {
        m_ports.prompter.message(MessageKind::Error, Buttons::Ok, texts::invalidVersion(version));
        return;
    }
    m_window.setDownloadEnabled(std::is_gt(*order));
}

void UpdateSession::pop3Failure(const std::string& reason) {
    const State was = m_state;
    if (was == State::Disconnected) return;
    disconnect();
    if (was == State::Connected) {
        m_ports.prompter.message(MessageKind::Error, Buttons::Ok, texts::retrievalFailed(reason));
        return;
    }
    const auto& host = m_config.servers.at(m_current).host;
    if (m_ports.prompter.message(MessageKind::Confirmation, Buttons::YesNo, texts::tryNextServer(host, reason)) ==
        Answer::Yes)
        m_current = (m_current + 1) % m_config.servers.size();
}

} // namespace core::info
