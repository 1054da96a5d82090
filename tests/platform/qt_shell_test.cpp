#include "platform/qt_shell.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Puts scripts standing in for the desktop's tools first on PATH, nothing
// else, for as long as it lives.
class DesktopTools {
public:
    DesktopTools() : m_savedPath(qgetenv("PATH")) { qputenv("PATH", QByteArray::fromStdString(m_dir.path().string())); }
    ~DesktopTools() { qputenv("PATH", m_savedPath); }
    DesktopTools(const DesktopTools&) = delete;
    DesktopTools& operator=(const DesktopTools&) = delete;

    void script(const std::string& name, const std::string& body) {
        const auto path = m_dir.write(name, "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    std::string file(const std::string& name) const { return m_dir.file(name); }
    std::string read(const std::string& name) const { return m_dir.read(name); }

private:
    testing_support::TempDir m_dir;
    QByteArray m_savedPath;
};

} // namespace

TEST(QtShell, MissingFileIsNotOpened) {
    testing_support::TempDir dir;
    std::string error;
    EXPECT_FALSE(platform::QtShell().open(dir.file("start.bat"), error));
    EXPECT_EQ(error, dir.file("start.bat") + " does not exist");
}

TEST(QtShell, BatchFileWithoutAHandlerIsNotOpened) {
    testing_support::TempDir dir;
    const auto launcher = dir.write("start.bat", "@ECHO OFF\r\n");
    DesktopTools tools;
    tools.script("xdg-mime", "exit 0"); // knows no default application
    tools.script("xdg-open", "echo \"$1\" > " + tools.file("opened"));
    std::string error;
    EXPECT_FALSE(platform::QtShell().open(launcher, error));
    EXPECT_EQ(error, "no application is set up to open start.bat");
    EXPECT_EQ(tools.read("opened"), "");
}

TEST(QtShell, OnlyAFileTypeWithADefaultApplicationReachesTheDesktop) {
    testing_support::TempDir dir;
    const auto page = dir.write("help.html", "<p>help</p>");
    DesktopTools tools;
    tools.script("xdg-mime", "[ \"$3\" = text/html ] && [ -f " + tools.file("browser") + " ] && echo browser.desktop");
    std::string error;
    EXPECT_FALSE(platform::QtShell().open(page, error));
    EXPECT_EQ(error, "no application is set up to open help.html");

    // With a browser set up, the request goes on to the desktop, which refuses
    // it in the offscreen test session.
    tools.script("browser", "");
    EXPECT_FALSE(platform::QtShell().open(page, error));
    EXPECT_EQ(error, "the desktop could not open " + page);
}
