#include "core/aids/path_conversions.h"

#include "core/documents/memory_editor_view.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::aids::PathConversions;
using core::documents::MemoryEditorView;

namespace {

// An editor holding one line with `selected` selected after "COPY ".
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
    struct Case {
        const char* selection;
        const char* line;
    } cases[] = {
        // a path that exists: the system's short form
        {"C:\\PROGRAM FILES\\ACCESSORIES\\WORDPAD.EXE", "COPY C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE D:\\"},
        // a path that does not exist here: its conventional alias, not an empty text
        {"C:\\Long Folder\\My Report.doc", "COPY C:\\LONGFO~1\\MYREPO~1.DOC D:\\"},
        // enclosing quotes go: the short form needs none
        {"\"C:\\Long Folder\\a.txt\"", "COPY C:\\LONGFO~1\\a.txt D:\\"},
    };
    PathConversions conversions;
    for (const auto& c : cases) {
        auto editor = editorSelecting(c.selection);
        conversions.shortenPath(editor, files);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{c.line}) << c.selection;
        EXPECT_TRUE(editor.modified());
    }
}

TEST(ShortenPath, LeavesTheDocumentAloneWhenThereIsNothingToShorten) {
    testing_support::TempDir dir;
    testing_support::MappedFileSystem files(dir.folder());
    PathConversions conversions;
    for (const std::string selection : {"", "\"\"", "C:\\DATA\\A.TXT"}) {
        auto editor = editorSelecting(selection);
        conversions.shortenPath(editor, files);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{"COPY " + selection + " D:\\"}) << selection;
        EXPECT_FALSE(editor.modified()) << selection;
    }
}

TEST(MakeRelativePath, ConvertsTheSelectionAgainstTheChosenDirectory) {
    testing_support::ScriptedPrompter prompter;
    prompter.folderAnswers = {"C:\\BATCH\\TOOLS", "C:\\BATCH", "D:\\OTHER"};
    PathConversions conversions;
    const char* expected[] = {"COPY ..\\DATA\\LIST.TXT D:\\", "COPY DATA\\LIST.TXT D:\\",
                              "COPY C:\\BATCH\\DATA\\LIST.TXT D:\\"};
    for (const char* line : expected) {
        auto editor = editorSelecting("C:\\BATCH\\DATA\\LIST.TXT");
        conversions.makeRelativePath(editor, prompter);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{line});
    }
    // Each chooser starts where the previous one ended, under its own title.
    EXPECT_EQ(prompter.folderStarts, (std::vector<std::string>{"", "C:\\BATCH\\TOOLS", "C:\\BATCH"}));
    EXPECT_EQ(prompter.folderCaptions, std::vector<std::string>(3, "Directory to make path relative to:"));
    EXPECT_EQ(conversions.baseDirectory(), "D:\\OTHER");
}

TEST(MakeRelativePath, CancelChangesNothing) {
    testing_support::ScriptedPrompter prompter;
    prompter.folderAnswers = {"C:\\BATCH", std::nullopt, std::nullopt};
    PathConversions conversions;
    auto first = editorSelecting("\"C:\\BATCH\\MY DATA\\LIST.TXT\"");
    conversions.makeRelativePath(first, prompter);
    EXPECT_EQ(first.lines(), std::vector<std::string>{"COPY \"MY DATA\\LIST.TXT\" D:\\"}); // quotes kept

    auto editor = editorSelecting("C:\\BATCH\\DATA\\LIST.TXT");
    conversions.makeRelativePath(editor, prompter);
    conversions.makeRelativePath(editor, prompter);
    EXPECT_EQ(editor.lines(), std::vector<std::string>{"COPY C:\\BATCH\\DATA\\LIST.TXT D:\\"});
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(conversions.baseDirectory(), "C:\\BATCH");
    EXPECT_EQ(prompter.folderStarts, (std::vector<std::string>{"", "C:\\BATCH", "C:\\BATCH"}));
}
