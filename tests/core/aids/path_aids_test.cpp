// The path aids: 8.3 aliases, relative paths, and the editor commands that
// replace a selected path by either.
#include "core/aids/path_conversions.h"
#include "core/aids/relative_path.h"
#include "core/aids/short_path.h"
#include "core/documents/memory_editor_view.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using core::documents::MemoryEditorView;

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
    for (const auto& [in, out] : cases) EXPECT_EQ(core::aids::conventionalShortPath(in), out) << in;
}

TEST(ShortPath, Valid83Names) {
    for (const char* name : {"A", "ABCDEFGH", "abcdefgh.txt", "A.B"}) EXPECT_TRUE(core::aids::isValid83Name(name));
    for (const char* name : {"", "ABCDEFGHI", "A.TEXT", ".A", "A.", "A.B.C", "A B", "A\"", "A:B", "A<B", "A|B", "A/B"})
        EXPECT_FALSE(core::aids::isValid83Name(name)) << name;
}

TEST(RelativePath, FromTheChosenDirectory) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
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
    for (const auto& [base, path, out] : cases) EXPECT_EQ(core::aids::relativePath(base, path), out) << base << " | " << path;
}

namespace {
// One line with `selected` selected after "COPY ".
MemoryEditorView editorSelecting(const std::string& selected) {
    MemoryEditorView editor({"COPY " + selected + " D:\\"});
    editor.select(5, selected.size());
    return editor;
}
} // namespace

TEST(ShortenPath, ReplacesTheSelectionByItsShortForm) {
    testing_support::TempDir dir;
    testing_support::MappedFileSystem files(dir.folder());
    files.shortForms["C:\\PROGRAM FILES\\ACCESSORIES\\WORDPAD.EXE"] = "C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE";
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\PROGRAM FILES\\ACCESSORIES\\WORDPAD.EXE", "COPY C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE D:\\"},
        {"C:\\Long Folder\\My Report.doc", "COPY C:\\LONGFO~1\\MYREPO~1.DOC D:\\"}, // not here: the alias
        {"\"C:\\Long Folder\\a.txt\"", "COPY C:\\LONGFO~1\\a.txt D:\\"},          // quotes go
        {"", "COPY  D:\\"},                                                      // nothing selected
        {"C:\\DATA\\A.TXT", "COPY C:\\DATA\\A.TXT D:\\"},                         // already short
    };
    for (const auto& [selection, line] : cases) {
        auto editor = editorSelecting(selection);
        core::aids::PathConversions().shortenPath(editor, files);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{line}) << selection;
        EXPECT_EQ(editor.modified(), editor.lines().front() != "COPY " + std::string(selection) + " D:\\");
    }
}

TEST(MakeRelativePath, StartsAtTheLastChosenDirectoryAndCancelChangesNothing) {
    testing_support::ScriptedPrompter prompter;
    prompter.folderAnswers = {"C:\\BATCH\\TOOLS", "C:\\BATCH", std::nullopt, "D:\\OTHER"};
    core::aids::PathConversions conversions;
    const std::string list = "C:\\BATCH\\DATA\\LIST.TXT", unchanged = "COPY " + list + " D:\\";
    const std::pair<std::string, std::string> cases[] = {{list, "COPY ..\\DATA\\LIST.TXT D:\\"},
                                                         {'"' + list + '"', "COPY \"DATA\\LIST.TXT\" D:\\"},
                                                         {list, unchanged},  // cancelled
                                                         {list, unchanged}}; // on another drive
    for (const auto& [selection, line] : cases) {
        auto editor = editorSelecting(selection);
        conversions.makeRelativePath(editor, prompter);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{line}) << selection;
        EXPECT_EQ(editor.modified(), line != unchanged) << selection;
    }
    EXPECT_EQ(prompter.folderStarts, (std::vector<std::string>{"", "C:\\BATCH\\TOOLS", "C:\\BATCH", "C:\\BATCH"}));
}
