#include "core/info/update_config.h"

#include "core/settings/settings_table.h"
#include "core/text/codepage.h"
#include "core/text/lines.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace core::info {
namespace {

using ports::Pop3Security;

std::optional<int> parsePort(std::string_view digits) {
    int port = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (ec != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535) return std::nullopt;
    return port;
}

std::optional<UpdateServer> parseEntry(std::string_view entry) {
    entry = text::trimSpaces(entry);
    const auto blank = entry.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    auto host = entry.substr(0, blank);
    const auto account = text::trimSpaces(entry.substr(blank + 1));
    if (account.empty() || account.find(' ') != std::string_view::npos) return std::nullopt;
    UpdateServer server{std::string(host), 0, std::string(account)};
    if (const auto colon = host.rfind(':'); colon != std::string_view::npos) {
        const auto port = parsePort(host.substr(colon + 1));
        if (!port) return std::nullopt;
        server.host = std::string(host.substr(0, colon));
        server.port = *port;
    }
    if (server.host.empty()) return std::nullopt;
    return server;
}

//! "starttls", "tls" or "none", in any letter case; nothing for anything else.
std::optional<Pop3Security> parseSecurity(std::string_view text) {
    const auto mode = text::toUpper(text::trimSpaces(text));
    if (mode == "STARTTLS") return Pop3Security::StartTls;
    if (mode == "TLS") return Pop3Security::Tls;
    if (mode == "NONE") return Pop3Security::None;
    return std::nullopt;
}

} // namespace

std::vector<UpdateServer> parseServerList(std::string_view text) {
    std::vector<UpdateServer> servers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(';', start), text.size());
        if (auto server = parseEntry(text.substr(start, end - start))) servers.push_back(std::move(*server));
        start = end + 1;
    }
    return servers;
}

UpdateConfig readUpdateConfig(ports::SettingsStore& store) {
    using settings::Setting;
    UpdateConfig config;
    config.servers = parseServerList(settings::readText(store, Setting::UpdateServers));
    if (config.servers.empty())
        config.servers = parseServerList(settings::definition(Setting::UpdateServers).textDefault);
    config.password = settings::readText(store, Setting::UpdatePassword);
    config.security = parseSecurity(settings::readText(store, Setting::UpdateSecurity)).value_or(Pop3Security::StartTls);
    config.downloadAddress = settings::readText(store, Setting::UpdateDownloadAddress);
    return config;
}

ports::Pop3Account accountFor(const UpdateConfig& config, std::size_t index) {
    const auto& server = config.servers.at(index);
    ports::Pop3Account account;
    account.host = server.host;
    account.port = server.port != 0 ? server.port : config.security == Pop3Security::Tls ? 995 : 110;
    account.user = server.account;
    account.password = config.password;
    account.security = config.security;
    return account;
}

} // namespace core::info
