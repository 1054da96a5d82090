// Installing into a temporary prefix: the programs run, the installed window
// finds its shipped help, and the desktop integration files are in place.
#include "app/help/help_window.h"
#include "core/version.h"
#include "platform/qt_file_system.h"

#include "core/aids/disk_file_system.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::runCommand;
using testing_support::shellQuote;

TEST(Install, IntoATemporaryPrefixRunsAndFindsItsHelp) {
    testing_support::TempDir prefix;
    const auto installed = runCommand(shellQuote(QUILLET_CMAKE) + " --install " + shellQuote(QUILLET_BUILD_DIR) +
                                      " --prefix " + shellQuote(prefix.path().string()));
    ASSERT_EQ(installed.status, 0) << installed.err;
    const auto bin = prefix.path() / "bin";
    const std::string version = core::PRODUCT_VERSION;
    EXPECT_EQ(runCommand(shellQuote((bin / "quillet").string()) + " --version").out, "Quillet " + version + "\n");
    EXPECT_EQ(runCommand(shellQuote((bin / "qlt").string()) + " --version").out, "qlt " + version + "\n");

    for (const char* file : {"share/quillet/help/index.txt", "share/quillet/help/images/welcome.png",
                             "share/quillet/Examples/Tutorials.html", "share/quillet/Examples/Backup.bat",
                             "share/applications/quillet.desktop", "share/mime/packages/quillet.xml",
                             "share/icons/hicolor/256x256/apps/quillet.png", "share/icons/hicolor/48x48/apps/quillet.png",
                             "share/man/man1/qlt.1"})
        EXPECT_TRUE(std::filesystem::exists(prefix.path() / file)) << file;

    // The installed program's folder of shipped content, as it works it out
    // from where its executable lies.
    const auto content = platform::shippedContentFolder(QString::fromStdString(bin.string()));
    EXPECT_EQ(content.toStdString(), (prefix.path() / "share" / "quillet").string());
    core::aids::DiskFileSystem files("/nowhere/", content.toStdString() + "/");
    app::help::HelpWindow help(files);
    help.showTopic(992);
    EXPECT_EQ(help.currentPage(), "getting-started.html");
}

TEST(Install, TheBuildTreeKeepsTheContentBesideTheProgram) {
    const auto appFolder = std::filesystem::path(QUILLET_BUILD_DIR) / "src" / "app";
    // As paths: Qt writes them with '/' on Windows too.
    EXPECT_EQ(std::filesystem::path(platform::shippedContentFolder(QString::fromStdString(appFolder.string())).toStdString()),
              appFolder);
    EXPECT_TRUE(std::filesystem::exists(appFolder / "Examples" / "Tutorials.html"));
}

} // namespace
