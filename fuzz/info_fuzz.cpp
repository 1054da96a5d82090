// What POP3 servers send, and the server list a user may type. The input is
// three parts split at its first two NUL bytes: the "Servers" setting, the
// STAT reply lines and the retrieved message. The session never ends without
// a server to try, shows only valid UTF-8, and versions compare both ways alike.
#include "fuzz_ports.h"
#include "fuzz_targets.h"

#include "core/info/pop3_reply.h"
#include "core/info/update_notice.h"
#include "core/info/update_session.h"
#include "core/info/version_compare.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"

#include <string_view>

namespace fuzz {
namespace {

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                 : lead >= 0xF0 && lead < 0xF5                   ? 4
                                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

class Client : public core::ports::Pop3Client {
public:
    int retrieved = 0;
    bool connected = false;
    void setListener(core::ports::Pop3Listener*) override {}
    void connect(const core::ports::Pop3Account& account) override {
        if (account.host.empty()) fail();
        connected = true;
    }
    void requestCount() override {}
    void retrieve(int number) override { retrieved = number; }
    void disconnect() override { connected = false; }
};

class Window : public core::info::UpdateWindow {
public:
    void showNotice(const std::vector<std::string>& lines) override {
        for (const auto& line : lines)
            if (!validUtf8(line)) fail();
    }
    void setConnectButton(std::string_view, bool) override {}
    void setDownloadEnabled(bool) override {}
    void setCloseButton(std::string_view, bool) override {}
    void closeWindow() override {}
};

std::string_view nextPart(std::string_view& rest) {
    const auto cut = rest.find('\0');
    const auto part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return part;
}

void checkVersions(std::string_view announced) {
    const auto there = core::info::compareVersions(announced, "2.1.1.60");
    const auto back = core::info::compareVersions("2.1.1.60", announced);
    if (there.has_value() != back.has_value() || (there && *there != (0 <=> *back))) fail();
    if (there && core::info::compareVersions(announced, announced) != std::strong_ordering::equal) fail();
}

} // namespace

int pop3Input(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const auto servers = nextPart(rest);
    const auto statReply = nextPart(rest);
    const std::string message(rest);

    core::settings::MemorySettingsStore store;
    core::settings::writeText(store, core::settings::Setting::UpdateServers, servers);
    const auto config = core::info::readUpdateConfig(store);
    if (config.servers.empty()) fail();

    Client client;
    CountingPrompter prompter;
    OpeningShell shell;
    Window window;
    core::info::UpdateSession session(window, {client, prompter, shell}, config, "2.1.1.60");
    session.start();
    session.connectClicked();
    session.pop3Connected();
    if (const auto count = core::info::parseStatReply(statReply)) {
        if (*count < 0) fail();
        session.pop3MessageCount(*count);
    } else {
        session.pop3Failure("unexpected reply");
    }
    if (client.retrieved == 1) session.pop3Message(message);
    if (session.currentServer() >= config.servers.size()) fail();
    checkVersions(core::info::readNotice(message).version);
    session.closeClicked();
    return 0;
}

} // namespace fuzz
