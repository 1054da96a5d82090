#include "core/aids/short_path.h"

#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::aids::conventionalShortPath;
using core::aids::isValid83Name;

TEST(ShortPath, ConventionalAlias) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        // names with blanks
        {"C:\\Program Files\\My Backup.bat", "C:\\PROGRA~1\\MYBACK~1.BAT"},
        {"C:\\A B", "C:\\AB~1"},
        {"C:\\  lead and trail  .txt", "C:\\LEADAN~1.TXT"},
        {"C:\\Docs\\My File.t x t", "C:\\Docs\\MYFILE~1.TXT"},
        // already valid 8.3 names stay exactly as typed, lower case included
        {"C:\\DATA\\a.txt", "C:\\DATA\\a.txt"},
        {"c:\\batch\\tools\\run.bat", "c:\\batch\\tools\\run.bat"},
        {"C:\\ABCDEFGH.TXT", "C:\\ABCDEFGH.TXT"},
        {"C:\\EightChr\\x.y", "C:\\EightChr\\x.y"},
        // too long in base or extension
        {"C:\\NINECHARS.TXT", "C:\\NINECH~1.TXT"},
        {"C:\\name.html", "C:\\NAME~1.HTM"},
        {"C:\\Archive.tar", "C:\\Archive.tar"},
        // several dots: the last one starts the extension
        {"report.final.txt", "REPORT~1.TXT"},
        {"a.b.c", "AB~1.C"},
        {"version 1.2.3", "VERSIO~1.3"},
        {"NAME.", "NAME~1"},
        // a leading dot starts no extension
        {".profile", "PROFIL~1"},
        {".config.d", "CONFIG~1.D"},
        // characters 8.3 names cannot hold
        {"a+b[1].txt", "A_B_1_~1.TXT"},
        {"x,y;z=w.dat", "X_Y_Z_~1.DAT"},
        {"list.t+t", "LIST~1.T_T"},
        // drive roots, relative drives, trailing separators
        {"C:\\", "C:\\"},
        {"C:", "C:"},
        {"d:\\", "d:\\"},
        {"C:Long Name.txt", "C:LONGNA~1.TXT"},
        {"C:\\Long Folder Name\\", "C:\\LONGFO~1\\"},
        {"C:\\Long Folder Name\\\\", "C:\\LONGFO~1\\\\"},
        // UNC prefixes stay as typed
        {"\\\\server\\share name\\Some File.txt", "\\\\server\\share name\\SOMEFI~1.TXT"},
        {"\\\\file server", "\\\\file server"},
        {"\\\\srv\\Long Share Name\\", "\\\\srv\\Long Share Name\\"},
        // dot-only names and wildcard patterns are not names of one file
        {"..\\Long name\\.", "..\\LONGNA~1\\."},
        {"...\\My Files", "...\\MYFILE~1"},
        {"C:\\My Documents\\*.*", "C:\\MYDOCU~1\\*.*"},
        {"C:\\DATA\\Report ??.document", "C:\\DATA\\Report ??.document"},
        // forward slashes separate names too, and stay as typed
        {"C:/Program Files/My App", "C:/PROGRA~1/MYAPP~1"},
        {"//server/share/Long Name", "//server/share/LONGNA~1"},
        // Windows-1252 letters are upper-cased by the code page
        {"C:\\\xE9t\xE9 en France", "C:\\\xC9T\xC9" "ENF~1"},
    };
    for (const auto& c : cases) EXPECT_EQ(conventionalShortPath(c.in), c.out) << c.in;
}

TEST(ShortPath, Valid83Names) {
    struct Case {
        const char* name;
        bool valid;
    } cases[] = {
        {"A", true},         {"ABCDEFGH", true},  {"abcdefgh.txt", true}, {"A.B", true},
        {"ABCDEFGHI", false}, {"A.TEXT", false},  {".A", false},          {"A.", false},
        {"A.B.C", false},     {"A B", false},     {"", false},            {"A+B", false},
        {"A,B", false},       {"A;B", false},     {"A=B", false},         {"A[B]", false},
        {"A*", false},        {"A?", false},      {"A\"", false},         {"A:B", false},
        {"A<B", false},       {"A|B", false},     {"A/B", false},         {"A\\B", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isValid83Name(c.name), c.valid) << c.name;
}

TEST(ShortPath, DocumentTextCrossesTheFileSystemAsUtf8) {
    testing_support::TempDir dir;
    testing_support::DiskFileSystem files(dir.folder());
    // Missing paths get the alias, in the document's code page both ways.
    EXPECT_EQ(core::aids::shortPathOfText(files, "C:\\Donn\xE9\x65s longues\\a.txt"), "C:\\DONN\xC9\x45~1\\a.txt");
    EXPECT_EQ(core::aids::shortPathOfText(files, ""), "");
    // A path that exists here keeps its form, spaces and all.
    const auto existing = dir.write("my file.bat", "");
    EXPECT_EQ(core::aids::shortPathOfText(files, existing), existing);
}
