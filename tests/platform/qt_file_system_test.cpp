#include "platform/qt_file_system.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(QtFileSystem, ShortPathOfExistingAndUnresolvablePaths) {
    testing_support::TempDir dir;
    const auto existing = dir.write("My Long Name.bat", "");
    platform::QtFileSystem files;
    // An existing file gets the system's own short name (Linux has none).
    const auto systemShort = files.shortPath(existing);
    EXPECT_TRUE(std::filesystem::equivalent(systemShort, existing)) << systemShort;
#ifndef _WIN32
    EXPECT_EQ(systemShort, existing);
#endif
    // Paths that exist nowhere get the conventional 8.3 form.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"C:\\Programs Of Mine\\My Backup.bat", "C:\\PROGRA~1\\MYBACK~1.BAT"},
        {"C:\\Caf\xC3\xA9 Cr\xC3\xA8me\\x.txt", "C:\\CAF\xC3\x89" "CR~1\\x.txt"}, // UTF-8 on both sides
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(files.shortPath(in), out) << in;
}

// When the data folder cannot be made, the failure names the folder and the system's reason.
TEST(QtFileSystem, WritingIntoADataFolderThatCannotBeMadeNamesTheFolder) {
    testing_support::TempDir dir;
    const auto saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.write("a file", "")));
    platform::QtFileSystem files;
    const auto folder = files.dataFolder();
    const auto written = files.writeFileAtomically(folder + "Ignore.qlt", "SETLOCAL\r\n");
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, "Cannot create the folder \"" + folder + "\": Not a directory");
}
