// The shipped examples, checked by the built qlt as a user would check them:
// every example passes without a message, except the one made of mistakes,
// which draws exactly the messages its comments promise.
#include "support/process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::runCommand;
using testing_support::shellQuote;

const std::filesystem::path EXAMPLES = std::filesystem::path(QUILLET_RESOURCES_DIR) / "Examples";

TEST(ShippedExamples, EveryExampleButTheMistakesPassesTheChecker) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES)) {
        if (entry.path().extension() != ".bat" || entry.path().filename() == "Mistakes.bat") continue;
        const auto result = runCommand(shellQuote(QLT_FOR_EXAMPLES) + " check " + shellQuote(entry.path().string()));
        EXPECT_EQ(result.status, 0) << entry.path();
        EXPECT_EQ(result.out, "") << entry.path();
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(ShippedExamples, TheMistakesDrawOneMessageOrMoreOnEveryMistake) {
    const auto result = runCommand("cd " + shellQuote(EXAMPLES.string()) + " && " + shellQuote(QLT_FOR_EXAMPLES) +
                                   " check --format json Mistakes.bat");
    EXPECT_EQ(result.status, 1);
    // The numbered mistakes stand on lines 5, 7, ... 21, one after each REM.
    std::string lines;
    for (std::size_t at = result.out.find("\"line\":"); at != std::string::npos;
         at = result.out.find("\"line\":", at + 1)) {
        lines += result.out.substr(at + 7, result.out.find(',', at) - at - 7) + " ";
    }
    EXPECT_EQ(lines, "5 7 7 9 9 11 11 13 13 15 17 19 21 ");
}

} // namespace
