#include "core/info/version_compare.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <compare>

using core::info::compareVersions;

TEST(VersionCompare, DottedVersionsCompareNumericallyComponentByComponent) {
    const auto cases = testing_support::readCases(INFO_TEST_DATA "/versions.txt", {});
    EXPECT_EQ(cases.size(), 7u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto order = compareVersions(c.name, c[""].at(0));
        ASSERT_TRUE(order.has_value());
        EXPECT_EQ(std::is_gt(*order) ? 1 : std::is_lt(*order) ? -1 : 0, std::stoi(c[""].at(1)));
    }
}

TEST(VersionCompare, TextsThatAreNotDottedNumbersCannotBeCompared) {
    for (const char* bad : {"", "2.1b", "v2.1", "2..1", ".2", "2.", "2,1", "-2.1", "2 .1", "Version 2.2"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(compareVersions(bad, "2.1.1.60").has_value());
        EXPECT_FALSE(compareVersions("2.1.1.60", bad).has_value());
    }
}
