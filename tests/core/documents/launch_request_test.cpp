// Files named on the command line and in open requests from a second launch.
#include "core/documents/launch_request.h"

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
    const std::pair<const char*, Maybe> cases[] = {
        {"[open(\"C:\\JOBS\\BACKUP.BAT\")]", "C:\\JOBS\\BACKUP.BAT"},
        {"[open(\"/home/u/a b.bat\")]\r\n[open(\"/other.bat\")]", "/home/u/a b.bat"},
        {"[open(\"C:\\say \"hi\".bat\")]", "C:\\say \"hi\".bat"},
        {"[open(\"a.bat\")] trailing", "a.bat"},
        {"[OPEN(\"C:\\a.bat\")]", std::nullopt},
        {" [open(\"C:\\a.bat\")]", std::nullopt},
        {"[open(C:\\a.bat\")]", std::nullopt},
        {"[open(\"C:\\a.bat", std::nullopt},
        {"[open(\"C:\\a.bat\"", std::nullopt},
        {"[open(\"\")]", std::nullopt},
        {"[open(", std::nullopt},
        {"", std::nullopt},
        {"\r\n[open(\"C:\\a.bat\")]", std::nullopt},
    };
    for (const auto& [request, path] : cases) EXPECT_EQ(parseOpenRequest(request), path) << request;
}
