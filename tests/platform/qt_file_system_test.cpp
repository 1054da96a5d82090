#include "platform/qt_file_system.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

TEST(QtFileSystem, ShortPathOfExistingAndUnresolvablePaths) {
    testing_support::TempDir dir;
    const auto existing = dir.write("My Long Name.bat", "");
    platform::QtFileSystem files;
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {existing, existing}, // no 8.3 names on this file system
        {"C:\\Program Files\\My Backup.bat", "C:\\PROGRA~1\\MYBACK~1.BAT"},
        {"C:\\Caf\xC3\xA9 Cr\xC3\xA8me\\x.txt", "C:\\CAF\xC3\x89" "CR~1\\x.txt"}, // UTF-8 on both sides
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(files.shortPath(in), out) << in;
}
