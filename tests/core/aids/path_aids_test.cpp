// The path aids: 8.3 aliases, relative paths, and the editor commands that
// replace a selected path by either.
#include "core/aids/path_conversions.h"
#include "core/aids/relative_path.h"
#include "core/aids/short_path.h"
#include "core/documents/memory_editor_view.h"
#include "support/case_file.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::documents::MemoryEditorView;

TEST(ShortPath, ConventionalAlias) {
    const auto cases = testing_support::readCases(AIDS_TEST_DATA "/short_paths.txt", {});
    EXPECT_EQ(cases.size(), 21u);
    for (const auto& c : cases) EXPECT_EQ(core::aids::conventionalShortPath(c.name), c[""].at(0)) << c.where;
}

TEST(ShortPath, Valid83Names) {
    for (const char* name : {"A", "ABCDEFGH", "abcdefgh.txt", "A.B"}) EXPECT_TRUE(core::aids::isValid83Name(name));
    for (const char* name : {"", "ABCDEFGHI", "A.TEXT", ".A", "A.", "A.B.C", "A B", "A\"", "A:B", "A<B", "A|B", "A/B"})
        EXPECT_FALSE(core::aids::isValid83Name(name)) << name;
}

TEST(RelativePath, FromTheChosenDirectory) {
    const auto cases = testing_support::readCases(AIDS_TEST_DATA "/relative_paths.txt", {});
    EXPECT_EQ(cases.size(), 12u);
    for (const auto& c : cases) EXPECT_EQ(core::aids::relativePath(c.name, c[""].at(0)), c[""].at(1)) << c.where;
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
    const auto cases = testing_support::readCases(AIDS_TEST_DATA "/shortened_selections.txt", {});
    EXPECT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto& selection = c.name;
        auto editor = editorSelecting(selection);
        core::aids::PathConversions().shortenPath(editor, files);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{c[""].at(0)});
        EXPECT_EQ(editor.modified(), editor.lines().front() != "COPY " + selection + " D:\\");
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
