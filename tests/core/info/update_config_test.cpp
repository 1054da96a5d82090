#include "core/info/update_config.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

using namespace core::info;

TEST(UpdateConfig, ServerListEntries) {
    struct Case { const char* text; std::vector<UpdateServer> expected; } cases[] = {
        {"  mail.example news  ; ", {{"mail.example", 0, "news"}}},
        {"127.0.0.1:2110 update", {{"127.0.0.1", 2110, "update"}}},
        {"host", {}},                           // no account
        {"host a b", {}},                       // one blank only between host and account
        {"host:0 a;host:65536 a;host:x a", {}}, // bad ports
        {":110 a", {}},                         // no host
        {"", {}},
        {"a x;;b y", {{"a", 0, "x"}, {"b", 0, "y"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseServerList(c.text), c.expected);
    }
}

// Each account as "host:port user password mode", the modes as 0 STARTTLS, 1 TLS, 2 none.
TEST(UpdateConfig, StoredValuesGiveTheAccountsAndBadOnesFallBack) {
    struct Case { const char* servers; const char* security; std::string accounts; } cases[] = {
        {nullptr, nullptr, "pop1.marrowfen.example:110 update - 0, pop2.marrowfen.example:110 update - 0"},
        {"mail.example:1995 news;backup.example news", " TLS ", "mail.example:1995 news pw 1, backup.example:995 news pw 1"},
        {"a x", "none", "a:110 x pw 2"},
        // An unusable list falls back to the default one; an unknown mode never means plain text.
        {"nonsense", "plain-please", "pop1.marrowfen.example:110 update pw 0, pop2.marrowfen.example:110 update pw 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.accounts);
        core::settings::MemorySettingsStore store;
        if (c.servers) {
            store.writeText("Update", "Servers", c.servers);
            store.writeText("Update", "Security", c.security);
            store.writeText("Update", "Password", "pw");
        }
        const auto config = readUpdateConfig(store);
        std::string accounts;
        for (std::size_t i = 0; i < config.servers.size(); ++i) {
            const auto a = accountFor(config, i);
            accounts += (i ? ", " : "") + a.host + ":" + std::to_string(a.port) + " " + a.user + " " +
                        (a.password.empty() ? "-" : a.password) + " " +
                        std::to_string(static_cast<int>(a.security)) + (a.caFile.empty() ? "" : " ca");
        }
        EXPECT_EQ(accounts, c.accounts);
    }
}
