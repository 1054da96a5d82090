#include "core/info/pop3_reply.h"
#include "core/info/update_notice.h"

#include <gtest/gtest.h>

using namespace core::info;

TEST(UpdateNotice, BodyAfterTheHeadersFirstLineIsTheVersion) {
    struct Case { const char* name; std::string raw; std::string version; std::vector<std::string> lines; } cases[] = {
        {"headers with CR LF", "From: a@b\r\nSubject: x\r\n\r\n2.3.0\r\nNew: faster checks.\r\n\r\nEnjoy.\r\n",
         "2.3.0", {"New: faster checks.", "", "Enjoy."}},
        {"headers with LF", "From: a@b\n\n 2.3.0 \nLine\n", "2.3.0", {"Line"}},
        {"no headers at all", "2.3.0\r\nLine\r\n", "2.3.0", {"Line"}},
        {"only a version", "Subject: x\r\n\r\n2.3.0", "2.3.0", {}},
        {"empty body", "Subject: x\r\n\r\n", "", {}},
        {"dots and markup kept as text", "X: y\r\n\r\n2.3\r\n.profile <b>bold</b> http://x\r\n", "2.3",
         {".profile <b>bold</b> http://x"}},
        {"UTF-8 body", "X: y\r\n\r\n2.3\r\nQuillet \xC2\xA9 2024\r\n", "2.3", {"Quillet \xC2\xA9 2024"}},
        {"Windows-1252 body", "X: y\r\n\r\n2.3\r\nQuillet \xA9 caf\xE9\r\n", "2.3", {"Quillet \xC2\xA9 caf\xC3\xA9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto notice = readNotice(c.raw);
        EXPECT_EQ(notice.version, c.version);
        EXPECT_EQ(notice.lines, c.lines);
    }
}

TEST(Pop3Reply, StatReplyGivesTheMessageCount) {
    struct Case { const char* lines; std::optional<int> count; } cases[] = {
        {"+OK 2 320\r\n", 2},
        {"+OK Dovecot ready.\r\n+OK Logged in.\r\n+OK 0 0\r\n", 0},
        {"+OK 17 123456", 17},
        {"-ERR no\r\n", std::nullopt},
        {"+OK Logged in.\r\n", std::nullopt},
        {"+OK 2\r\n", std::nullopt},
        {"+OK -1 0\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(parseStatReply(c.lines), c.count);
    }
}
