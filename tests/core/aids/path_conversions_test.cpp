#include "core/aids/path_conversions.h"

#include "core/documents/memory_editor_view.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::documents::MemoryEditorView;

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
    const char* expected[] = {"COPY ..\\DATA\\LIST.TXT D:\\", "COPY \"DATA\\LIST.TXT\" D:\\",
                              "COPY C:\\BATCH\\DATA\\LIST.TXT D:\\", "COPY C:\\BATCH\\DATA\\LIST.TXT D:\\"};
    const char* selections[] = {"C:\\BATCH\\DATA\\LIST.TXT", "\"C:\\BATCH\\DATA\\LIST.TXT\"",
                                "C:\\BATCH\\DATA\\LIST.TXT", "C:\\BATCH\\DATA\\LIST.TXT"};
    for (int i = 0; i < 4; ++i) {
        auto editor = editorSelecting(selections[i]);
        conversions.makeRelativePath(editor, prompter);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{expected[i]}) << i;
        EXPECT_EQ(editor.modified(), i < 2) << i;
    }
    EXPECT_EQ(prompter.folderStarts, (std::vector<std::string>{"", "C:\\BATCH\\TOOLS", "C:\\BATCH", "C:\\BATCH"}));
}
