#include "core/info/update_config.h"

#include "core/settings/memory_settings_store.h"

#include <gtest/gtest.h>

using namespace core::info;
using core::ports::Pop3Security;
using core::settings::MemorySettingsStore;

TEST(UpdateConfig, ServerListEntries) {
    struct Case { const char* text; std::vector<UpdateServer> expected; } cases[] = {
        {"pop1.marrowfen.example update;pop2.marrowfen.example update",
         {{"pop1.marrowfen.example", 0, "update"}, {"pop2.marrowfen.example", 0, "update"}}},
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

TEST(UpdateConfig, FreshStoreGivesThePlaceholderServersOverStartTls) {
    MemorySettingsStore store;
    const auto config = readUpdateConfig(store);
    EXPECT_EQ(config.servers, (std::vector<UpdateServer>{{"pop1.marrowfen.example", 0, "update"},
                                                         {"pop2.marrowfen.example", 0, "update"}}));
    EXPECT_EQ(config.security, Pop3Security::StartTls);
    EXPECT_EQ(config.password, "");
    EXPECT_EQ(config.downloadAddress, "https://www.marrowfen.example/download/quillet-setup.exe");
    const auto account = accountFor(config, 1);
    EXPECT_EQ(account.host, "pop2.marrowfen.example");
    EXPECT_EQ(account.port, 110);
    EXPECT_EQ(account.user, "update");
    EXPECT_EQ(account.security, Pop3Security::StartTls);
    EXPECT_EQ(account.caFile, "");
}

TEST(UpdateConfig, StoredValuesAndTheirFallbacks) {
    MemorySettingsStore store;
    store.writeText("Update", "Servers", "mail.example:1995 news;backup.example news");
    store.writeText("Update", "Password", "s3cret");
    store.writeText("Update", "Security", " TLS ");
    auto config = readUpdateConfig(store);
    EXPECT_EQ(config.security, Pop3Security::Tls);
    EXPECT_EQ(config.password, "s3cret");
    EXPECT_EQ(accountFor(config, 0).port, 1995);
    EXPECT_EQ(accountFor(config, 1).port, 995) << "the usual port of implicit TLS";
    EXPECT_EQ(accountFor(config, 1).password, "s3cret");

    store.writeText("Update", "Servers", "nonsense");
    store.writeText("Update", "Security", "plain-please");
    config = readUpdateConfig(store);
    EXPECT_EQ(config.servers.size(), 2u) << "an unusable list falls back to the default one";
    EXPECT_EQ(config.security, Pop3Security::StartTls) << "an unknown mode never means plain text";
}
