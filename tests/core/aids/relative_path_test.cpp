#include "core/aids/relative_path.h"

#include <gtest/gtest.h>

TEST(RelativePath, FromTheChosenDirectory) {
    struct Case {
        const char* base;
        const char* path;
        const char* out;
    } cases[] = {
        {"C:\\BATCH\\TOOLS", "C:\\BATCH\\DATA\\LIST.TXT", "..\\DATA\\LIST.TXT"},
        {"C:\\BATCH\\", "C:\\BATCH\\DATA\\LIST.TXT", "DATA\\LIST.TXT"},
        {"C:\\", "C:\\BATCH\\LIST.TXT", "BATCH\\LIST.TXT"},
        {"C:\\A\\B\\C", "C:\\A\\B.TXT", "..\\..\\B.TXT"},
        // names compared ignoring case, and whole: BAT is no part of BATCH
        {"c:\\batch\\tools", "C:\\BATCH\\Data\\List.txt", "..\\Data\\List.txt"},
        {"C:\\BAT", "C:\\BATCH\\LIST.TXT", "..\\BATCH\\LIST.TXT"},
        // another drive, or none: unchanged
        {"C:\\BATCH", "D:\\BATCH\\LIST.TXT", "D:\\BATCH\\LIST.TXT"},
        {"C:\\BATCH", "DATA\\LIST.TXT", "DATA\\LIST.TXT"},
        {"C:\\BATCH", "C:LIST.TXT", "..\\LIST.TXT"},
        // UNC shares count as drives; forward slashes as separators
        {"\\\\srv\\share\\jobs", "\\\\SRV\\SHARE\\data\\a.txt", "..\\data\\a.txt"},
        {"\\\\srv\\one", "\\\\srv\\two\\a.txt", "\\\\srv\\two\\a.txt"},
        {"/home/ann/jobs", "/home/ann/data/a.bat", "..\\data\\a.bat"},
    };
    for (const auto& c : cases) EXPECT_EQ(core::aids::relativePath(c.base, c.path), c.out) << c.base << " | " << c.path;
}
