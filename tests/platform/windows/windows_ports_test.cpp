// The Windows implementations behind the ports, on a real Windows file system
// (run under Wine): 8.3 names, drive-letter paths, Unicode names, atomic replace.
#include "core/aids/short_path.h"
#include "core/text/file_io.h"
#include "platform/windows/windows_file_system.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(WindowsFileSystem, ShortPathsAreTheSystems83Names) {
    testing_support::TempDir dir;
    fs::create_directories(dir.path() / "Program Files Backup");
    const auto file = dir.write("Program Files Backup/report.final.txt", "bytes");
    const auto plain = dir.write("PLAIN.BAT", "");
    platform::windows::WindowsFileSystem files;

    const auto shortPath = fs::path(files.shortPath(file));
    for (const auto& name : {shortPath.filename().string(), shortPath.parent_path().filename().string()})
        EXPECT_TRUE(core::aids::isValid83Name(name) && name.find('~') != std::string::npos) << name;
    EXPECT_EQ(core::text::readFile(shortPath.string()).bytes, "bytes"); // the same file
    EXPECT_EQ(fs::path(files.shortPath(plain)).filename(), "PLAIN.BAT");
    EXPECT_EQ(files.shortPath("Q:\\No Such Folder\\My Backup.bat"), "Q:\\NOSUCH~1\\MYBACK~1.BAT");
}

TEST(WindowsFileSystem, WritesUnicodeDrivePathsAtomicallyAndRefusesReadOnlyFiles) {
    testing_support::TempDir dir;
    platform::windows::WindowsFileSystem files;
    const auto path = dir.file("\xC5\xBC\xC3\xB3\xC5\x82w & co.bat"); // "żółw & co.bat", as UTF-8
    ASSERT_EQ(path.substr(1, 2), ":\\");
    ASSERT_TRUE(files.writeFileAtomically(path, "old\r\n").ok);
    ASSERT_TRUE(files.writeFileAtomically(path, "ECHO\r\n").ok);
    EXPECT_TRUE(files.exists(path));
    EXPECT_EQ(files.readFile(path).bytes, "ECHO\r\n");

    const std::wstring wide = fs::path(std::u8string(path.begin(), path.end()));
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY);
    const auto refused = files.writeFileAtomically(path, "new");
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(refused.error, "Permission denied");
    EXPECT_EQ(files.readFile(path).bytes, "ECHO\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1); // no temporary file left
}
