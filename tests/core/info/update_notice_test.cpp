#include "core/info/pop3_reply.h"
#include "core/info/update_notice.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using namespace core::info;

TEST(UpdateNotice, BodyAfterTheHeadersFirstLineIsTheVersion) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/notices.txt", {"raw", "version", "lines"});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto notice = readNotice(c["raw"].at(0));
        EXPECT_EQ(notice.version, c["version"].at(0));
        EXPECT_EQ(notice.lines, c["lines"]);
    }
}

TEST(Pop3Reply, StatReplyGivesTheMessageCount) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/stat_replies.txt", {});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases)
        EXPECT_EQ(parseStatReply(c.name), c[""].empty() ? std::nullopt : std::optional(std::stoi(c[""][0]))) << c.where;
}
