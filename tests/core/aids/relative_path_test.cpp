#include "core/aids/relative_path.h"

#include <gtest/gtest.h>

TEST(RelativePath, FromTheChosenDirectory) {
    struct Case {
        const char* base;
        const char* path;
        const char* out;
    } cases[] = {
        {"C:\\BATCH\\TOOLS", "C:\\BATCH\\DATA\\LIST.TXT", "..\\DATA\\LIST.TXT"},
        {"C:\\BATCH", "C:\\BATCH\\DATA\\LIST.TXT", "DATA\\LIST.TXT"},
        {"C:\\BATCH\\", "C:\\BATCH\\DATA\\LIST.TXT", "DATA\\LIST.TXT"},
        {"C:\\", "C:\\BATCH\\DATA\\LIST.TXT", "BATCH\\DATA\\LIST.TXT"},
        {"C:\\BATCH\\DATA", "C:\\BATCH\\DATA\\LIST.TXT", "LIST.TXT"},
        {"C:\\A\\B\\C", "C:\\X\\Y.TXT", "..\\..\\..\\X\\Y.TXT"},
        {"C:\\A\\B\\C", "C:\\A\\B.TXT", "..\\..\\B.TXT"},
        // names compared ignoring letter case; the selection's spelling is kept
        {"c:\\batch\\tools", "C:\\BATCH\\Data\\List.txt", "..\\Data\\List.txt"},
        {"C:\\Program Files", "C:\\PROGRAM FILES\\App\\run.exe", "App\\run.exe"},
        // a common prefix of letters is not a common name
        {"C:\\BAT", "C:\\BATCH\\LIST.TXT", "..\\BATCH\\LIST.TXT"},
        // another drive, or no drive at all: unchanged
        {"C:\\BATCH", "D:\\BATCH\\LIST.TXT", "D:\\BATCH\\LIST.TXT"},
        {"C:\\BATCH", "LIST.TXT", "LIST.TXT"},
        {"C:\\BATCH", "DATA\\LIST.TXT", "DATA\\LIST.TXT"},
        {"C:\\BATCH", "", ""},
        // a directory with a trailing separator, and a drive-relative name
        {"C:\\BATCH", "C:\\BATCH\\DATA\\", "DATA\\"},
        {"C:\\BATCH", "C:LIST.TXT", "..\\LIST.TXT"},
        // UNC shares count as drives
        {"\\\\srv\\share\\jobs", "\\\\SRV\\SHARE\\data\\a.txt", "..\\data\\a.txt"},
        {"\\\\srv\\one", "\\\\srv\\two\\a.txt", "\\\\srv\\two\\a.txt"},
        // forward slashes are read as separators; the result uses backslashes
        {"/home/ann/jobs", "/home/ann/data/a.bat", "..\\data\\a.bat"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::aids::relativePath(c.base, c.path), c.out) << c.base << " | " << c.path;
}
