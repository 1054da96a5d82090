#include "core/aids/insert_aids.h"

#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::aids::InsertFilename;
using core::aids::InsertPath;
using core::documents::MemoryEditorView;
using Strings = std::vector<std::string>;

namespace {
struct InsertTest : ::testing::Test {
    testing_support::TempDir dir;
    testing_support::MappedFileSystem files{dir.folder()};
    core::settings::MemorySettingsStore store;
    testing_support::ScriptedPrompter prompter;
    MemoryEditorView editor{{"COPY  D:\\"}};

    InsertTest() {
        files.shortForms["C:\\My Documents\\Long Report.txt"] = "C:\\MYDOCU~1\\LONGRE~1.TXT";
        files.shortForms["C:\\My Documents"] = "C:\\MYDOCU~1";
        editor.setCaret(5);
    }
};
} // namespace

TEST_F(InsertTest, FilenameHistoryAndShortFormOfExistingFilesOnly) {
    {
        InsertFilename dialog(store, files, prompter);
        dialog.insert("C:\\Nowhere\\Missing File.txt", editor);
        dialog.insert("", editor);
        EXPECT_FALSE(editor.modified());
        dialog.insert("C:\\My Documents\\Long Report.txt", editor);
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1\\LONGRE~1.TXT D:\\"});

        prompter.openAnswers = {{"C:\\A.TXT"}, {}, {"C:\\Caf\xC3\xA9\\B.TXT"}};
        EXPECT_EQ(dialog.browse(), "C:\\A.TXT");
        EXPECT_EQ(dialog.browse(), std::nullopt);
        EXPECT_EQ(dialog.browse(), "C:\\Caf\xE9\\B.TXT"); // document text
        dialog.close();
    }
    EXPECT_EQ(dir.read("Files.qlt"), "C:\\A.TXT\r\nC:\\Caf\xE9\\B.TXT\r\n");
    EXPECT_EQ(InsertFilename(store, files, prompter).history().entries(), (Strings{"C:\\A.TXT", "C:\\Caf\xE9\\B.TXT"}));
}

TEST_F(InsertTest, PathHistoryTakesTheComboTextAfterEveryBrowse) {
    {
        InsertPath dialog(store, files, prompter);
        prompter.folderAnswers = {std::nullopt, "C:\\My Documents", std::nullopt};
        EXPECT_EQ(dialog.browse(""), "");                   // Cancel: the empty text joins all the same
        EXPECT_EQ(dialog.browse("C:\\OLD"), "C:\\MYDOCU~1"); // OK: the chosen folder's short form
        EXPECT_EQ(dialog.browse("C:\\TYPED"), "C:\\TYPED");
        EXPECT_EQ(prompter.folderStarts, (Strings{"", "", "C:\\My Documents"}));
        dialog.insert("C:\\Not Here", editor);
        dialog.insert("C:\\My Documents", editor);
        EXPECT_EQ(editor.lines(), Strings{"COPY C:\\MYDOCU~1 D:\\"});
        dialog.close();
    }
    EXPECT_EQ(dir.read("Paths.qlt"), "\r\nC:\\MYDOCU~1\r\nC:\\TYPED\r\n");
    EXPECT_EQ(InsertPath(store, files, prompter).history().entries(), (Strings{"", "C:\\MYDOCU~1", "C:\\TYPED"}));
}

TEST(InsertPathStandardDirectories, InsertTheNotationAtTheCaret) {
    MemoryEditorView line({"CD "});
    line.setCaret(3);
    InsertPath::insertStandardDirectory(0, line);
    InsertPath::insertStandardDirectory(6, line); // past the list: nothing
    EXPECT_EQ(line.lines(), Strings{"CD %windir%"});
}

TEST(InsertBatchFile, AppendsACallLineWhateverTheCaret) {
    testing_support::ScriptedPrompter prompter;
    prompter.openAnswers = {{"C:\\Jobs\\Night Backup.bat"}, {}};
    MemoryEditorView editor({"@ECHO OFF", "ECHO one", "ECHO two"});
    editor.setCaret(13);
    EXPECT_EQ(core::aids::insertBatchFileCall(prompter, editor), "C:\\Jobs\\Night Backup.bat");
    EXPECT_EQ(core::aids::insertBatchFileCall(prompter, editor), std::nullopt); // Cancel
    EXPECT_EQ(editor.lines(), (Strings{"@ECHO OFF", "ECHO one", "ECHO two", "CALL \"C:\\Jobs\\Night Backup.bat\""}));
}
