// qlt against hostile input and a hostile environment: special files, a
// file-size limit, output that cannot be written, a plan nested without end,
// control characters meant for the terminal.
#include "support/case_file.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testing_support::runCommand;
using testing_support::TempDir;

TEST(QltFaults, FailsCleanlyWithAReason) {
    TempDir dir;
    dir.write("plan.json", R"({"fields": {"CheckBox9": true, "Edit2": "C:\\E.EXE"}})");
    dir.write("big.bat", std::string(100000, 'x'));
    dir.write("deep.json", "{\"fields\": {\"a\": " + std::string(100000, '[') + std::string(100000, ']') + "}}");
    dir.write("escape.json", "{\"\\u001b]2;PWNED\\u0007\": 1}");
    dir.write("escape.bat", "GOTO \x1b]2;PWNED\x07\r\n");
    const auto cases = testing_support::readCases(CLI_TEST_DATA "/faults.txt", {"out", "err"});
    EXPECT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        std::string command = c.name;
        for (std::size_t at; (at = command.find("qlt ")) != std::string::npos;)
            command.replace(at, 3, std::string("'") + QLT_EXECUTABLE + "'");
        // Then the status, and proof that nothing was written: the big file whole, no temporary file.
        const auto ran = runCommand("{ cd '" + dir.path().string() + "' && " + command +
                                    "; echo \"exit $?\"; wc -c <big.bat; ls -A | grep -c tmp; }");
        EXPECT_EQ(ran.out, c["out"].at(0) + "exit " + c[""].at(0) + "\n100000\n0\n");
        EXPECT_EQ(ran.err, c["err"].at(0));
    }
}
