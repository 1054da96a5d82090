// Files named on the command line and in open requests from a second launch.
#include "core/documents/launch_request.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

using core::documents::filesFromCommandLine;
using core::documents::parseOpenRequest;
using Maybe = std::optional<std::string>;
using Files = std::vector<std::string>;

TEST(LaunchRequest, EveryArgumentIsAFileButAnExactNewfile) {
    EXPECT_EQ(filesFromCommandLine({}), Files());
    EXPECT_EQ(filesFromCommandLine({"/newfile"}), Files());
    EXPECT_EQ(filesFromCommandLine({"/newfile", "C:\\a.bat"}), Files({"C:\\a.bat"}));
    EXPECT_EQ(filesFromCommandLine({"/NEWFILE"}), Files({"/NEWFILE"}));
    EXPECT_EQ(filesFromCommandLine({"C:\\My Files\\a.bat", "b.bat"}), Files({"C:\\My Files\\a.bat", "b.bat"}));
}

TEST(LaunchRequest, OpenRequestsAreReadStrictly) {
    const auto cases = testing_support::readCases(DOCUMENTS_TEST_DATA "/open_requests.txt", {});
    EXPECT_EQ(cases.size(), 13u);
    for (const auto& c : cases)
        EXPECT_EQ(parseOpenRequest(c.name), c[""].empty() ? Maybe() : Maybe(c[""].at(0))) << c.where;
}
