#include "core/aids/command_templates.h"

#include "core/aids/texts.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "if_page_fake.h"
#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::aids::CommandTemplates;
using core::aids::descriptionOf;
using Strings = std::vector<std::string>;

namespace {

const Strings BUILT_INS = {
    "COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]",
    "DEL [filepath] [/P]",
    "DELTREE [/Y] [dirpath1] [dirpath2]",
    "DIR [dirpath] [/P] [/W] [/S]",
    "ECHO OFF",
    "ECHO ON",
    "MKDIR [dirpath]",
    "MOVE [sourcefilepath] [destinationdirpath] [/Y]",
    "PAUSE",
    "REM",
    "RENAME [filename] [newfilename]",
};
constexpr const char* NOT_AVAILABLE = "Information is not currently available on the selected command";

struct TemplatesFixture : ::testing::Test {
    testing_support::TempDir dir;
    testing_support::DiskFileSystem files{dir.folder()};
    core::settings::MemorySettingsStore store;
    testing_support::ScriptedPrompter prompter;

    Strings withBuiltIns(std::initializer_list<std::pair<std::size_t, std::string>> insertions) {
        Strings list = BUILT_INS;
        for (const auto& [at, entry] : insertions) list.insert(list.begin() + static_cast<long>(at), entry);
        return list;
    }
};

} // namespace

TEST(TemplateDescriptions, ExactTextsForTheBuiltInsAndTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"DELTREE [/Y] [dirpath1] [dirpath2]",
         "This command will delete the specified directory or directories and all of the files and subdirectories "
         "within it. Switches: Y - No prompting for removal of subdirectories."},
        {"REM", "Starting a line with 'REM' will comment it out. When running a batch file anything after 'REM' is "
                "ignored. This is useful for including brief explanatory notes in the batch file to explain the "
                "function of a command for example."},
        {"PAUSE", "The PAUSE command can be used to halt the execution of the batch file and wait for a key to be "
                  "pressed before continuing."},
        {"MKDIR [dirpath]", "The MKDIR command allows you to create a new directory."},
        {"DEL [filepath] [/P]", "This command will delete the specified file or files. Switches: /P - Prompt for a "
                                "confirmation before deleting any files."},
        {"ECHO OFF", "The ECHO OFF command will hide command echoing - that is, the displaying of the batch file "
                     "commands to the screen. See also ECHO ON."},
        {"ECHO ON", "The ECHO ON command will display the batch file commands on the screen during the execution of "
                    "the batch file. See also ECHO OFF."},
        {"RENAME [filename] [newfilename]", "This command will allow you to rename a file or directory."},
        {"MOVE [sourcefilepath] [destinationdirpath] [/Y]",
         "This command will move the specified files to the specified directory. Switches: /Y - Prompts for "
         "confirmation before overwriting an existing file if the file you are moving has the same name as a file "
         "already existing in the directory you are moving it to."},
        {"COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]", NOT_AVAILABLE},
        {"DIR [dirpath] [/P] [/W] [/S]", NOT_AVAILABLE},
        {"XCOPY [source] [dest] /S", NOT_AVAILABLE},
        {"rem", NOT_AVAILABLE}, // exact comparison
        {"", NOT_AVAILABLE},
    };
    for (const auto& [entry, description] : cases) EXPECT_EQ(descriptionOf(entry), description) << entry;
    EXPECT_EQ(descriptionOf(std::nullopt), NOT_AVAILABLE);
}

TEST_F(TemplatesFixture, BuiltInsAreListedSortedWithoutACustomFile) {
    dir.write("Custom.qlt", "IGNORED\r\n"); // the flag is not set: the file is not read
    CommandTemplates templates(store, files, prompter);
    EXPECT_EQ(templates.list(), BUILT_INS);
    EXPECT_TRUE(templates.customStore().empty());
}

TEST_F(TemplatesFixture, AddedTemplateSortsIntoPlaceAndSurvivesARestart) {
    {
        CommandTemplates templates(store, files, prompter);
        prompter.inputs = {"XCOPY [source] [dest] /S", "attrib +r [file]"};
        EXPECT_EQ(templates.add(), 11u);
        EXPECT_EQ(templates.add(), 0u); // letter case does not count in the order
        EXPECT_EQ(templates.list(), withBuiltIns({{0, "attrib +r [file]"}, {12, "XCOPY [source] [dest] /S"}}));
        EXPECT_EQ(dir.read("Custom.qlt"), "XCOPY [source] [dest] /S\r\nattrib +r [file]\r\n");
        EXPECT_TRUE(store.readBool("Templates", "Custom", false));
        // The box offers the last entered template as its starting text.
        EXPECT_EQ(prompter.inputRequests,
                  (std::vector<Strings>{{"Add New Template", "Please enter the template you would like to add:", ""},
                                        {"Add New Template", "Please enter the template you would like to add:",
                                         "XCOPY [source] [dest] /S"}}));
    }
    CommandTemplates restarted(store, files, prompter);
    EXPECT_EQ(restarted.list(), withBuiltIns({{0, "attrib +r [file]"}, {12, "XCOPY [source] [dest] /S"}}));
    EXPECT_EQ(restarted.customStore(), (Strings{"XCOPY [source] [dest] /S", "attrib +r [file]"}));
}

TEST_F(TemplatesFixture, CancelAddsNothing) {
    CommandTemplates templates(store, files, prompter);
    EXPECT_EQ(templates.add(), std::nullopt);
    EXPECT_EQ(templates.list(), BUILT_INS);
    EXPECT_FALSE(store.readBool("Templates", "Custom", false));
    EXPECT_EQ(dir.read("Custom.qlt"), "");
}

TEST_F(TemplatesFixture, EmptyAndBlankTemplatesAreListedUntilClose) {
    CommandTemplates templates(store, files, prompter);
    prompter.inputs = {"", "PING [host]", " ", "  "};
    for (int i = 0; i < 4; ++i) templates.add();
    EXPECT_EQ(templates.list(), withBuiltIns({{0, ""}, {1, " "}, {2, "  "}, {12, "PING [host]"}}));
    EXPECT_EQ(dir.read("Custom.qlt"), "\r\nPING [host]\r\n \r\n  \r\n");

    templates.close();
    // Only entries exactly empty or exactly one space go.
    EXPECT_EQ(templates.list(), withBuiltIns({{0, "  "}, {10, "PING [host]"}}));
    EXPECT_EQ(templates.customStore(), (Strings{"PING [host]", "  "}));
    EXPECT_EQ(dir.read("Custom.qlt"), "PING [host]\r\n  \r\n");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(TemplatesFixture, InsertGoesToTheIfCommandWhileThatPageShows) {
    CommandTemplates templates(store, files, prompter);
    core::documents::MemoryEditorView editor({"@ECHO OFF", "EXIT"});
    editor.setCaret(11); // start of the second line
    testing_support::FakeIfPage page;

    page.shown = true;
    templates.insert(8, page, editor);
    EXPECT_EQ(editor.lines(), (Strings{"@ECHO OFF", "EXIT"}));
    EXPECT_EQ(page.fields, (std::map<core::aids::IfPageField, std::string>{{core::aids::IfPageField::Command, "PAUSE"}}));

    page.shown = false;
    templates.insert(9, page, editor);
    templates.insert(99, page, editor); // no such entry
    EXPECT_EQ(editor.lines(), (Strings{"@ECHO OFF", "REMEXIT"}));
    EXPECT_EQ(page.fields.size(), 1u);
}

TEST_F(TemplatesFixture, UnwritableCustomFileIsReportedAndTheTemplateStaysListed) {
    testing_support::DiskFileSystem gone(dir.folder() + "missing/");
    CommandTemplates templates(store, gone, prompter);
    prompter.inputs = {"XCOPY"};
    templates.add();
    EXPECT_EQ(templates.list().back(), "XCOPY");
    EXPECT_FALSE(store.readBool("Templates", "Custom", false));
    EXPECT_EQ(prompter.texts(),
              Strings{"Quillet could not save " + dir.folder() + "missing/Custom.qlt: No such file or directory."});
}
