// The settings store on Qt's settings file: values keep the stored layout, and
// a file as a user's machine may hold it (missing, unreadable, binary, 50 MB,
// with a NUL byte or with garbage values) reads as defaults and takes new values.
#include "platform/qt_settings_store.h"

#include "core/faults/fault_injection.h"
#include "core/settings/settings_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace core::settings;

namespace {

constexpr char WITH_NUL[] = "[PreviousExec]\nWid\0th=1000\nHeight=6\0" "00\n";

QString settingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Marrowfen Software", "Quillet").fileName();
}

void putSettingsFile(const QByteArray& bytes) {
    QFile::remove(settingsFile());
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray hugeFile() {
    QByteArray bytes = "[PreviousExec]\n";
    const QByteArray line = "Key=" + QByteArray(200, 'x') + "\n";
    while (bytes.size() < qsizetype{50} * 1024 * 1024) bytes += line;
    return bytes;
}

QByteArray binaryFile() {
    QByteArray bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

// Every value of the table, read from store (or its default without one) as its type would be.
std::string everyValue(core::ports::SettingsStore* store) {
    std::string out;
    for (const auto& def : allSettings()) {
        const bool text = def.type == ValueType::Text || def.type == ValueType::Colour;
        out += std::string(def.name) + "=";
        if (store) out += text ? readText(*store, def.id) : std::to_string(readInteger(*store, def.id));
        else out += text ? std::string(def.textDefault) : std::to_string(def.intDefault);
        out += "\n";
    }
    return out;
}

} // namespace

TEST(QtSettingsStore, ValuesRoundTripInTheStoredLayout) {
    QFile::remove(settingsFile());
    platform::QtSettingsStore store;
    writeInteger(store, Setting::Active, 2);
    writeBool(store, Setting::Hidden, false);
    writeText(store, Setting::LastOpen1Path, "C:\\Mes documents\\\xC3\xA9t\xC3\xA9"); // UTF-8 path
    EXPECT_EQ(readInteger(store, Setting::Active), 2);
    EXPECT_FALSE(readBool(store, Setting::Hidden));
    EXPECT_EQ(readText(store, Setting::LastOpen1Path), "C:\\Mes documents\\\xC3\xA9t\xC3\xA9");
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Marrowfen Software", "Quillet");
    EXPECT_EQ(raw.value("PreviousExec/Active").toInt(), 2);
    EXPECT_EQ(raw.value("PreviousExec/Hidden").toInt(), 0);
}

TEST(QtSettingsStore, ABrokenSettingsFileReadsAsDefaultsAndIsWrittenAnew) {
    enum class Kind { Missing, Unreadable, Huge, Other };
    const struct {
        Kind kind;
        const char* name;
        QByteArray bytes;
        const char* height; //!< what Height reads as, when not its default
    } cases[] = {
        {Kind::Missing, "missing", {}, nullptr},
        {Kind::Unreadable, "unreadable", "[PreviousExec]\nWidth=1000\n", nullptr},
        {Kind::Other, "binary", binaryFile(), nullptr},
        {Kind::Huge, "50 MB", hugeFile(), nullptr},
        {Kind::Other, "NUL byte", QByteArray(WITH_NUL, sizeof WITH_NUL - 1), "Height=565"}, // "6", below the least
        {Kind::Other, "garbage values", "[PreviousExec]\nWidth=wide\nHeight=-5\n[Options]\nCmdText=clPlaid\n",
         "Height=565"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putSettingsFile(c.bytes);
        if (c.kind == Kind::Missing) QFile::remove(settingsFile());
        platform::QtSettingsStore store;
        if (c.kind == Kind::Unreadable) {
            QFile::setPermissions(settingsFile(), {});
            const faults_test::ActAsNobody nobody;
            if (!nobody.permissionsCount()) continue;
            EXPECT_EQ(readInteger(store, Setting::Width), 800);
            QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::WriteOwner);
        } else if (c.kind == Kind::Huge) {
            // Every access reads the whole file: a few values tell enough.
            EXPECT_EQ(readInteger(store, Setting::Width), 800);
            EXPECT_EQ(readText(store, Setting::CmdText), "$00C06000");
        } else {
            auto expected = everyValue(nullptr);
            if (c.height) expected.replace(expected.find("Height=575"), 10, c.height);
            EXPECT_EQ(everyValue(&store), expected);
        }
        writeInteger(store, Setting::Width, 1024);
        EXPECT_EQ(readInteger(store, Setting::Width), 1024);
    }
    QFile::remove(settingsFile());
}
