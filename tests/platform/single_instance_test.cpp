// The single-instance channel: only the user's own folder, bounded requests.
#include "platform/single_instance.h"

#include "support/temp_dir.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(SingleInstanceChannel, EndpointOnlyInAFolderNoOneElseCanEnter) {
    struct Case {
        const char* name;
        void (*make)(const fs::path& runtime, const fs::path& fallback);
        const char* expected; //!< "runtime", "fallback" or "" (no channel)
    };
    const Case cases[] = {
        {"private runtime folder", [](const fs::path& r, const fs::path&) { fs::permissions(r, fs::perms::owner_all); },
         "runtime"},
        {"runtime folder open to others", [](const fs::path&, const fs::path&) {}, "fallback"},
        {"fallback opened up by someone",
         [](const fs::path&, const fs::path& f) {
             fs::create_directory(f);
             fs::permissions(f, fs::perms::all);
         },
         ""},
        {"fallback a link to a private folder",
         [](const fs::path&, const fs::path& f) {
             fs::create_directory(f.parent_path() / "private");
             fs::permissions(f.parent_path() / "private", fs::perms::owner_all);
             fs::create_directory_symlink("private", f);
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        const auto runtime = dir.path() / "runtime";
        const auto fallback = dir.path() / ("quillet-" + std::to_string(geteuid()));
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::all);
        c.make(runtime, fallback);
        const auto folder =
            platform::SingleInstance::privateFolder(QString::fromStdString(runtime), QString::fromStdString(dir.path()));
        const std::string expected = c.expected;
        EXPECT_EQ(folder.toStdString(), expected.empty() ? "" : (expected == "runtime" ? runtime : fallback).string());
        struct stat info {};
        const bool madePrivate = lstat(fallback.c_str(), &info) == 0 && (info.st_mode & 0777) == 0700;
        EXPECT_TRUE(expected != "fallback" || madePrivate);
    }
}
#endif

TEST(SingleInstanceChannel, ARequestPastTheBoundDropsTheConnection) {
    testing_support::TempDir dir;
    const auto name = QString::fromStdString(dir.file("channel"));
    platform::SingleInstance server(name);
    ASSERT_TRUE(server.listen());
    QSignalSpy received(&server, &platform::SingleInstance::requestReceived);
    QLocalSocket flood;
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(2000));
    flood.write(QByteArray(platform::SingleInstance::MAX_REQUEST * 2, 'x'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flood.state() == QLocalSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(received.count(), 0);
    // The server still serves the next launch.
    EXPECT_TRUE(platform::SingleInstance(name).sendToRunning(QStringLiteral("[open(\"a.bat\")]")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
}
