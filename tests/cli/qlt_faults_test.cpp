// qlt against hostile input and a hostile environment: special files, a
// file-size limit, output that cannot be written, a plan nested without end,
// control characters meant for the terminal.
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using testing_support::runCommand;
using testing_support::TempDir;

TEST(QltFaults, FailsCleanlyWithAReason) {
    TempDir dir;
    dir.write("plan.json", R"({"fields": {"CheckBox9": true, "Edit2": "C:\\E.EXE"}})");
    dir.write("big.bat", std::string(100000, 'x'));
    dir.write("deep.json", "{\"fields\": {\"a\": " + std::string(100000, '[') + std::string(100000, ']') + "}}");
    dir.write("escape.json", "{\"\\u001b]2;PWNED\\u0007\": 1}");
    dir.write("escape.bat", "GOTO \x1b]2;PWNED\x07\r\n");
    // The command, run in the test's folder, its status, output and errors.
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        // The signal of the file-size limit would end qlt and leave the temporary file behind.
        {"(ulimit -f 30; qlt generate plan.json --into big.bat)", 2, "", "qlt: big.bat: File too large\n"},
        {"qlt check --format json escape.bat >/dev/full", 2, "", "qlt: cannot write the output: No space left on device\n"},
        {"qlt generate deep.json", 2, "", "qlt: the plan nests deeper than 16 levels\n"},
        {"mkfifo pipe; timeout 10 qlt check pipe", 2, "", "qlt: pipe: Is not a regular file\n"},
        {"timeout 10 qlt check /dev/zero", 2, "", "qlt: /dev/zero: Is not a regular file\n"},
        {"mkfifo into; timeout 10 qlt generate plan.json --into into", 2, "", "qlt: into: Is not a regular file\n"},
        {"qlt generate escape.json", 2, "", "qlt: unknown key \"\\x1b]2;PWNED\\x07\"\n"},
        {"qlt check escape.bat", 1,
         "escape.bat:1:1: warning: The label that the GOTO command on line 1 is pointing to, \"\\x1b]2;PWNED\\x07\", "
         "cannot be found in the batch file. Make sure that the label name is spelt correctly and is defined in the "
         "batch file (use ':' to define a label). [Q035]\n",
         ""},
    };
    for (const auto& [commandLine, status, out, err] : cases) {
        SCOPED_TRACE(commandLine);
        std::string command = commandLine;
        for (std::size_t at; (at = command.find("qlt ")) != std::string::npos;)
            command.replace(at, 3, std::string("'") + QLT_EXECUTABLE + "'");
        // Then the status, and proof that nothing was written: the big file whole, no temporary file.
        const auto ran = runCommand("{ cd '" + dir.path().string() + "' && " + command +
                                    "; echo \"exit $?\"; wc -c <big.bat; ls -A | grep -c tmp; }");
        EXPECT_EQ(ran.out, out + ("exit " + std::to_string(status) + "\n100000\n0\n"));
        EXPECT_EQ(ran.err, err);
    }
}
