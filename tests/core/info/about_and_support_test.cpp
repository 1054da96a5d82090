#include "core/info/about_text.h"
#include "core/info/support_link.h"

#include "core/aids/disk_file_system.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

using core::info::AboutText;
using core::info::aboutText;
using core::info::VersionRecord;

TEST(AboutText, VersionLinesWithTheirLabelsAndNoneForEmptyFields) {
    VersionRecord record{"Quillet", "2.2.0", "Marrowfen Software", "Batch file editor", "2.2.0.7",
                         "Copyright 2026", "Thanks for using it."};
    EXPECT_EQ(aboutText(record), (AboutText{"Quillet",
                                            {"Product Version:   2.2.0", "By:   Marrowfen Software",
                                             "Batch file editor", "File Version:   2.2.0.7",
                                             "Copyright:   Copyright 2026", "Thanks for using it."}}));
    record.companyName.clear();
    record.comments.clear();
    EXPECT_EQ(aboutText(record), (AboutText{"Quillet",
                                            {"Product Version:   2.2.0", "Batch file editor",
                                             "File Version:   2.2.0.7", "Copyright:   Copyright 2026"}}));
    EXPECT_EQ(aboutText(std::nullopt), (AboutText{"About", {"No version information available."}}));
}

TEST(SupportLinks, MailLinksEscapeTheSubjectAndTheTutorialPageFollowsTheFolder) {
    EXPECT_EQ(core::info::supportMailLink("Q & A", "1.0 beta"),
              "mailto:support@marrowfen.example?subject=Technical%20Support%20for%20Q%20%26%20A%201.0%20beta");
    EXPECT_EQ(core::info::makerMailLink("Quillet"), "mailto:quillet@marrowfen.example?subject=Quillet");
    EXPECT_EQ(core::info::tutorialsPath("/opt/quillet/"), "/opt/quillet/Examples/Tutorials.html");
    EXPECT_EQ(core::info::tutorialsPath("C:\\Program Files\\Quillet\\"),
              "C:\\Program Files\\Quillet\\Examples\\Tutorials.html");
}

TEST(SupportLinks, TheShellsFailureIsShownAsAnError) {
    testing_support::RecordingShell shell;
    shell.succeeds = false;
    testing_support::ScriptedPrompter prompter;
    core::aids::DiskFileSystem files("/data/", "/opt/quillet/");
    EXPECT_FALSE(core::info::openTutorials(shell, files, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, core::ports::MessageKind::Error);
    EXPECT_EQ(prompter.shown[0].text,
              "Could not open /opt/quillet/Examples/Tutorials.html: no application is set up to open it.");
}

} // namespace
