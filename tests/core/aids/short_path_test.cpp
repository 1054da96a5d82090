#include "core/aids/short_path.h"

#include <gtest/gtest.h>

using core::aids::conventionalShortPath;

TEST(ShortPath, ConventionalAlias) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        // blanks
        {"C:\\Program Files\\My Backup.bat", "C:\\PROGRA~1\\MYBACK~1.BAT"},
        {"C:\\  lead and trail  .t x t", "C:\\LEADAN~1.TXT"},
        // valid 8.3 names stay exactly as typed, lower case included
        {"c:\\batch\\ABCDEFGH.txt", "c:\\batch\\ABCDEFGH.txt"},
        {"C:\\NINECHARS.TXT", "C:\\NINECH~1.TXT"},
        {"C:\\name.html", "C:\\NAME~1.HTM"},
        // several dots: the last starts the extension; a leading dot starts none
        {"report.final.txt", "REPORT~1.TXT"},
        {"NAME.", "NAME~1"},
        {".profile", "PROFIL~1"},
        {".config.d", "CONFIG~1.D"},
        // characters 8.3 names cannot hold
        {"x,y;z=w.d+t", "X_Y_Z_~1.D_T"},
        // drive roots, drive-relative names, trailing separators
        {"C:\\", "C:\\"},
        {"C:Long Name.txt", "C:LONGNA~1.TXT"},
        {"C:\\Long Folder Name\\", "C:\\LONGFO~1\\"},
        // UNC prefixes stay as typed
        {"\\\\server\\share name\\Some File.txt", "\\\\server\\share name\\SOMEFI~1.TXT"},
        {"\\\\file server", "\\\\file server"},
        // dot-only names and wildcard patterns name no single file
        {"...\\Long name\\.", "...\\LONGNA~1\\."},
        {"C:\\My Documents\\*.*", "C:\\MYDOCU~1\\*.*"},
        {"C:\\Report ??.document", "C:\\Report ??.document"},
        // forward slashes separate names too
        {"//server/share/Long Name", "//server/share/LONGNA~1"},
        // letters of the code page are upper-cased by it
        {"C:\\\xE9t\xE9 en France", "C:\\\xC9T\xC9" "ENF~1"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(conventionalShortPath(in), out) << in;
}

TEST(ShortPath, Valid83Names) {
    for (const char* name : {"A", "ABCDEFGH", "abcdefgh.txt", "A.B"}) EXPECT_TRUE(core::aids::isValid83Name(name));
    for (const char* name : {"", "ABCDEFGHI", "A.TEXT", ".A", "A.", "A.B.C", "A B", "A\"", "A:B", "A<B", "A|B", "A/B"})
        EXPECT_FALSE(core::aids::isValid83Name(name)) << name;
}
