#pragma once
// Where the update notice is fetched from and where the update is downloaded:
// the "Update" section of the settings store, read into one record.
#include "core/ports/pop3_client.h"
#include "core/ports/settings_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace core::info {

struct UpdateServer {
    std::string host;
    int port = 0; //!< 0: the usual port of the security mode (995 for TLS, 110 otherwise)
    std::string account;
    bool operator==(const UpdateServer&) const = default;
};

struct UpdateConfig {
    std::vector<UpdateServer> servers; //!< never empty once read from the store
    std::string password;
    ports::Pop3Security security = ports::Pop3Security::StartTls;
    std::string downloadAddress;
};

//! Entries "host account" or "host:port account" separated by ";"; blanks
//! around an entry are ignored and malformed entries are left out.
std::vector<UpdateServer> parseServerList(std::string_view text);

//! The configuration in the store. An unusable server list falls back to the
//! default one; an unknown security mode to STARTTLS, never to plain text.
UpdateConfig readUpdateConfig(ports::SettingsStore& store);

//! The account to log in with on server `index` of the list.
ports::Pop3Account accountFor(const UpdateConfig& config, std::size_t index);

} // namespace core::info
