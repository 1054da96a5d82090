#include "core/aids/short_path.h"

#include <gtest/gtest.h>

using core::aids::conventionalShortPath;

TEST(ShortPath, ConventionalAlias) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"", ""},
        {"C:\\Program Files\\My Backup.bat", "C:\\PROGRA~1\\MYBACK~1.BAT"},
        {"C:\\DATA\\a.txt", "C:\\DATA\\a.txt"},                 // valid 8.3 names stay as typed
        {"report.final.txt", "REPORT~1.TXT"},
        {"C:\\", "C:\\"},
        {"C:\\Long Folder Name\\", "C:\\LONGFO~1\\"},
        {"D:\\X", "D:\\X"},
        {"\\\\server\\share name\\Some File.txt", "\\\\server\\share name\\SOMEFI~1.TXT"},
        {"..\\Long name\\.", "..\\LONGNA~1\\."},
        {".profile", "PROFIL~1"},                               // a leading dot starts no extension
        {"a+b[1].txt", "A_B_1_~1.TXT"},
        {"name.html", "NAME~1.HTM"},
        {"C:\\A B", "C:\\AB~1"},
    };
    for (const auto& c : cases) EXPECT_EQ(conventionalShortPath(c.in), c.out) << c.in;
}
