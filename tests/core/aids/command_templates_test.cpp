#include "core/aids/command_templates.h"

#include "core/aids/aid_texts.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "if_page_fake.h"
#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using core::aids::CommandTemplates;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* NOT_AVAILABLE = "Information is not currently available on the selected command";

struct TemplatesTest : ::testing::Test {
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files{dir.folder()};
    core::settings::MemorySettingsStore store;
    testing_support::ScriptedPrompter prompter;

    // The built-ins (already in order) with entries put at the given places.
    static Strings builtInsWith(std::initializer_list<std::pair<long, std::string>> insertions) {
        Strings list(core::aids::texts::BUILT_IN_TEMPLATES.begin(), core::aids::texts::BUILT_IN_TEMPLATES.end());
        for (const auto& [at, entry] : insertions) list.insert(list.begin() + at, entry);
        return list;
    }
};

} // namespace

TEST(TemplateDescriptions, BuiltInsHaveTheirsAndEverythingElseTheNotAvailableText) {
    using core::aids::descriptionOf;
    EXPECT_EQ(descriptionOf("DEL [filepath] [/P]"), "This command will delete the specified file or files. Switches: "
                                                    "/P - Prompt for a confirmation before deleting any files.");
    // A built-in without a description of its own, another letter case, an added template, nothing.
    for (const char* entry :
         {"COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]", "rem", "XCOPY [source] [dest] /S", ""})
        EXPECT_EQ(descriptionOf(entry), NOT_AVAILABLE) << entry;
    EXPECT_EQ(descriptionOf(std::nullopt), NOT_AVAILABLE);
}

TEST_F(TemplatesTest, AddedTemplatesSortIntoPlaceAndSurviveARestart) {
    dir.write("Custom.qlt", "UNFLAGGED\r\n"); // not read while the flag is unset
    {
        CommandTemplates templates(store, files, prompter);
        EXPECT_EQ(templates.list(), builtInsWith({}));
        prompter.inputs = {"XCOPY [source] [dest] /S", std::nullopt, "attrib +r [file]"};
        EXPECT_EQ(templates.add(), 11u);
        EXPECT_EQ(templates.add(), std::nullopt); // Cancel
        EXPECT_EQ(templates.add(), 0u);           // letter case does not count
        EXPECT_EQ(dir.read("Custom.qlt"), "XCOPY [source] [dest] /S\r\nattrib +r [file]\r\n");
        EXPECT_TRUE(store.readBool("Templates", "Custom", false));
        // Each box starts with the template entered last.
        const Strings request = {"Add New Template", "Please enter the template you would like to add:"};
        auto withInitial = [&](const std::string& initial) { auto r = request; r.push_back(initial); return r; };
        EXPECT_EQ(prompter.inputRequests, (std::vector<Strings>{withInitial(""), withInitial("XCOPY [source] [dest] /S"),
                                                                 withInitial("XCOPY [source] [dest] /S")}));
    }
    CommandTemplates restarted(store, files, prompter);
    EXPECT_EQ(restarted.list(), builtInsWith({{0, "attrib +r [file]"}, {12, "XCOPY [source] [dest] /S"}}));
}

TEST_F(TemplatesTest, EmptyAndOneSpaceTemplatesAreListedUntilClose) {
    CommandTemplates templates(store, files, prompter);
    prompter.inputs = {"", "PING [host]", " ", "  "};
    for (int i = 0; i < 4; ++i) templates.add();
    EXPECT_EQ(templates.list(), builtInsWith({{0, ""}, {1, " "}, {2, "  "}, {12, "PING [host]"}}));
    templates.close();
    EXPECT_EQ(templates.list(), builtInsWith({{0, "  "}, {10, "PING [host]"}}));
    EXPECT_EQ(dir.read("Custom.qlt"), "PING [host]\r\n  \r\n");
}

TEST_F(TemplatesTest, InsertGoesToTheIfCommandWhileThatPageShows) {
    CommandTemplates templates(store, files, prompter);
    core::documents::MemoryEditorView editor({"@ECHO OFF", "EXIT"});
    editor.setCaret(11);
    testing_support::FakeIfPage page;
    page.shown = true;
    templates.insert(8, page, editor);
    page.shown = false;
    templates.insert(9, page, editor);
    templates.insert(99, page, editor); // no such entry
    EXPECT_EQ(editor.lines(), (Strings{"@ECHO OFF", "REMEXIT"}));
    EXPECT_EQ(page.fields, (std::map<core::aids::IfPageField, std::string>{{core::aids::IfPageField::Command, "PAUSE"}}));
}

TEST_F(TemplatesTest, UnwritableCustomFileIsReported) {
    core::aids::DiskFileSystem gone(dir.folder() + "missing/");
    CommandTemplates templates(store, gone, prompter);
    prompter.inputs = {"XCOPY"};
    templates.add();
    EXPECT_EQ(templates.list().back(), "XCOPY");
    EXPECT_FALSE(store.readBool("Templates", "Custom", false));
    EXPECT_EQ(prompter.texts(),
              Strings{"Quillet could not save " + dir.folder() + "missing/Custom.qlt: No such file or directory."});
}
