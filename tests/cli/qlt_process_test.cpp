#include "support/process.h"

#include <gtest/gtest.h>

using testing_support::runCommand;

namespace {
std::string qlt(const std::string& args) { return std::string(QLT_EXECUTABLE) + " " + args; }
} // namespace

TEST(QltCommand, HelpAndVersion) {
    auto help = runCommand(qlt("--help"));
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("qlt check"), std::string::npos);
    EXPECT_NE(help.out.find("qlt generate"), std::string::npos);
    auto version = runCommand(qlt("--version"));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("qlt ", 0), 0u);
}

TEST(QltCommand, BadUsageExitsWithTwo) {
    auto none = runCommand(qlt(""));
    EXPECT_EQ(none.status, 2);
    auto unknown = runCommand(qlt("frobnicate"));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("qlt: ", 0), 0u);
}
