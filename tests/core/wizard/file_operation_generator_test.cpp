// The XCOPY switch list; the file operation sections themselves run from
// data/file_operations.txt.
#include "core/wizard/file_operation_generator.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(FileOperationGenerator, XcopySwitchList) {
    // The order: confirmation, /S or /T, /V, the options /W /H /P /Q /D, and /E last.
    const std::tuple<bool, int, bool, unsigned, const char*> cases[] = {
        {true, 3, true, 31, "/-Y /T /V /W /H /P /Q /D"},
        {false, 1, true, 31, "/Y /V /W /H /P /Q /D /E"},
        {true, 2, false, 8, "/-Y /S /Q"},
    };
    for (const auto& [confirm, mode, verify, mask, expected] : cases)
        EXPECT_EQ(core::wizard::xcopySwitches(confirm, mode, verify, mask), expected) << mode << " " << mask;
}
