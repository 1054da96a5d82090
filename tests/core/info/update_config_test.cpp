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

TEST(UpdateConfig, StoredValuesGiveTheAccountsAndBadOnesFallBack) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/update_accounts.txt", {"servers", "security", "accounts"});
    EXPECT_EQ(cases.size(), 4u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        core::settings::MemorySettingsStore store;
        if (!c["servers"].empty()) {
            store.writeText("Update", "Servers", c["servers"][0]);
            store.writeText("Update", "Security", c["security"].at(0));
            store.writeText("Update", "Password", "pw");
        }
        const auto config = readUpdateConfig(store);
        std::vector<std::string> accounts;
        for (std::size_t i = 0; i < config.servers.size(); ++i) {
            const auto a = accountFor(config, i);
            accounts.push_back(a.host + ":" + std::to_string(a.port) + " " + a.user + " " +
                               (a.password.empty() ? "-" : a.password) + " " +
                               std::to_string(static_cast<int>(a.security)) + (a.caFile.empty() ? "" : " ca"));
        }
        EXPECT_EQ(accounts, c["accounts"]);
    }
}
