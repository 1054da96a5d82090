// The Windows implementations behind the ports, on a real Windows file system
// (run under Wine): 8.3 names, drive-letter paths, Unicode names, atomic replace.
#include "platform/windows/windows_file_system.h"
#include "core/aids/short_path.h"
#include "core/text/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

using testing_support::TempDir;

namespace {

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& part : std::filesystem::path(path)) names.push_back(part.string());
    return names;
}

std::wstring wide(const std::string& utf8) { return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())); }

} // namespace

TEST(WindowsFileSystem, ShortPathsAreTheSystems83Names) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Program Files Backup");
    const auto file = dir.write("Program Files Backup/report.final.txt", "bytes");
    platform::windows::WindowsFileSystem files;

    const auto shortPath = files.shortPath(file);
    const auto shortNames = components(shortPath);
    ASSERT_GE(shortNames.size(), 2u);
    for (const auto* name : {&shortNames.back(), &shortNames[shortNames.size() - 2]}) {
        EXPECT_TRUE(core::aids::isValid83Name(*name)) << *name;
        EXPECT_NE(name->find('~'), std::string::npos) << *name;
    }
    EXPECT_EQ(core::text::readFile(shortPath).bytes, "bytes"); // the same file
    // A path that is already short stays; one that does not exist gets the conventional alias.
    const auto plain = dir.write("PLAIN.BAT", "");
    EXPECT_EQ(components(files.shortPath(plain)).back(), "PLAIN.BAT");
    EXPECT_EQ(files.shortPath("Q:\\No Such Folder\\My Backup.bat"), "Q:\\NOSUCH~1\\MYBACK~1.BAT");
}

TEST(WindowsFileSystem, BackslashesDriveLettersAndUnicodeNames) {
    TempDir dir;
    platform::windows::WindowsFileSystem files;
    auto native = dir.path().string();
    for (auto& c : native)
        if (c == '/') c = '\\';
    ASSERT_EQ(native.substr(1, 2), ":\\");
    const std::string path = native + "\\\xC5\xBC\xC3\xB3\xC5\x82w & co.bat"; // "żółw & co.bat"
    ASSERT_TRUE(files.writeFileAtomically(path, "ECHO\r\n").ok);
    EXPECT_TRUE(files.exists(path));
    EXPECT_EQ(files.readFile(path).bytes, "ECHO\r\n");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(wide(path))));
}

TEST(WindowsFileSystem, ReplacingLeavesNoTemporaryFile) {
    TempDir dir;
    const auto path = dir.write("run.bat", "old");
    ASSERT_TRUE(core::text::writeFileAtomically(path, "new").ok);
    EXPECT_EQ(dir.read("run.bat"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WindowsFileSystem, ReadOnlyFilesAreRefusedUntouched) {
    TempDir dir;
    const auto path = dir.write("keep.bat", "old");
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    const auto written = core::text::writeFileAtomically(path, "new");
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, "Permission denied");
    EXPECT_EQ(dir.read("keep.bat"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
