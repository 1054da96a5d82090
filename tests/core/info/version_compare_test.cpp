#include "core/info/version_compare.h"

#include <gtest/gtest.h>

#include <compare>

using core::info::compareVersions;

TEST(VersionCompare, DottedVersionsCompareNumericallyComponentByComponent) {
    struct Case { const char* announced; const char* local; int expected; } cases[] = {
        {"2.1.1.60", "2.1.1.60", 0},
        {"10.0", "2.1.1.60", 1},       // as digit text "100" < "21160": the fault we avoid
        {"2.1.1.59", "2.1.1.60", -1},
        {"2.1", "2.1.0.0", 0},         // a missing component counts as 0
        {"2.1", "2.1.0.1", -1},
        {"02.001", "2.1", 0},          // leading zeros do not count
        {"99999999999999999999.1", "99999999999999999999.0", 1}, // no overflow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.announced) + " vs " + c.local);
        const auto order = compareVersions(c.announced, c.local);
        ASSERT_TRUE(order.has_value());
        EXPECT_EQ(std::is_gt(*order) ? 1 : std::is_lt(*order) ? -1 : 0, c.expected);
    }
}

TEST(VersionCompare, TextsThatAreNotDottedNumbersCannotBeCompared) {
    for (const char* bad : {"", "2.1b", "v2.1", "2..1", ".2", "2.", "2,1", "-2.1", "2 .1", "Version 2.2"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(compareVersions(bad, "2.1.1.60").has_value());
        EXPECT_FALSE(compareVersions("2.1.1.60", bad).has_value());
    }
}
