// A combine list of more than a thousand characters; the miscellaneous sections'
// other cases run from data/miscellaneous.txt.
#include "core/wizard/miscellaneous_generator.h"

#include "generator_harness.h"

#include <gtest/gtest.h>

TEST(CombineGenerator, LongListKeepsEveryItemInMemoOrder) {
    wizard_testing::GeneratorHarness h;
    core::wizard::MiscellaneousChoices longList;
    longList.RadioButton35 = true;
    std::string expected;
    for (int i = 0; i < 120; ++i) {
        longList.Memo4.push_back("F" + std::to_string(1000 + i) + ".TXT");
        expected += (i ? " + F" : "F") + std::to_string(1000 + i) + ".TXT";
    }
    ASSERT_GT(expected.size(), 1000u);
    core::wizard::generateCombine(longList, h.context);
    EXPECT_EQ(h.result(), (wizard_testing::Generated{{"COPY " + expected + " LPT1"}, {}}));
}
