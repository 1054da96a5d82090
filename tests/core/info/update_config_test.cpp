#include "core/info/update_config.h"
#include "support/case_file.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

using namespace core::info;

TEST(UpdateConfig, ServerListEntries) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/server_lists.txt", {});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        std::vector<UpdateServer> expected;
        for (const auto& server : c[""]) {
            const auto words = testing_support::wordsOf(server);
            expected.push_back({words.at(0), std::stoi(words.at(1)), words.at(2)});
        }
        EXPECT_EQ(parseServerList(c.name), expected);
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
