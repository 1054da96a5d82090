// Files named on the command line and in open requests from a second launch.
#include "core/documents/launch_request.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using core::documents::fileFromCommandLine;
using core::documents::parseOpenRequest;
using Maybe = std::optional<std::string>;

TEST(LaunchRequest, OnlyTheFirstArgumentCountsAndNewfileIsExact) {
    EXPECT_EQ(fileFromCommandLine({}), Maybe());
    EXPECT_EQ(fileFromCommandLine({"/newfile"}), Maybe());
    EXPECT_EQ(fileFromCommandLine({"/newfile", "C:\\a.bat"}), Maybe());
    EXPECT_EQ(fileFromCommandLine({"/NEWFILE"}), Maybe("/NEWFILE"));
    EXPECT_EQ(fileFromCommandLine({"C:\\My Files\\a.bat", "/newfile"}), Maybe("C:\\My Files\\a.bat"));
}

TEST(LaunchRequest, OpenRequestsAreReadStrictly) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/open_requests.txt", {});
    EXPECT_EQ(cases.size(), 13u);
    for (const auto& c : cases)
        EXPECT_EQ(parseOpenRequest(c.name), c[""].empty() ? Maybe() : Maybe(c[""].at(0))) << c.where;
}
