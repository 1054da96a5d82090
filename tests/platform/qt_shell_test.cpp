#include "platform/qt_shell.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Stand-ins for the desktop's tools, alone on PATH while it lives.
struct DesktopTools {
    testing_support::TempDir dir;
    QByteArray savedPath = qgetenv("PATH");
    DesktopTools() { qputenv("PATH", QByteArray::fromStdString(dir.path().string())); }
    ~DesktopTools() { qputenv("PATH", savedPath); }
    void script(const std::string& name, const std::string& body) {
        const auto path = QString::fromStdString(dir.write(name, "#!/bin/sh\n" + body + "\n"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

TEST(QtShell, OpensOnlyExistingFilesWhoseTypeHasADefaultApplication) {
    testing_support::TempDir dir;
    const auto launcher = dir.write("start.bat", "@ECHO OFF\r\n");
    const auto page = dir.write("help.html", "<p>help</p>");
    DesktopTools tools;
    tools.script("xdg-mime", "[ \"$3\" = text/html ] && [ -f " + tools.dir.file("browser") + " ] && echo browser.desktop");
    tools.script("xdg-open", "echo \"$1\" > " + tools.dir.file("opened"));
    const std::pair<std::string, std::string> refused[] = {
        {dir.file("missing.bat"), dir.file("missing.bat") + " does not exist"},
        {launcher, "no application is set up to open start.bat"}, // not even as plain text
        {page, "no application is set up to open help.html"},
    };
    for (const auto& [target, reason] : refused) {
        std::string error;
        EXPECT_FALSE(platform::QtShell().open(target, error));
        EXPECT_EQ(error, reason);
    }
    EXPECT_EQ(tools.dir.read("opened"), "");

    // With a browser set up the page goes on to the desktop, which refuses it
    // in the offscreen test session.
    tools.script("browser", "");
    std::string error;
    EXPECT_FALSE(platform::QtShell().open(page, error));
    EXPECT_EQ(error, "the desktop could not open " + page);
}
