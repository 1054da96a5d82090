// The settings file as a user's machine may hold it: missing, unreadable,
// binary, 50 MB, or with a NUL byte. Every value reads as its default, and
// the store still takes and gives back new values afterwards.
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
    while (bytes.size() < 50 * 1024 * 1024) bytes += line;
    return bytes;
}

QByteArray binaryFile() {
    QByteArray bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

// Every value of the table, each read as its type would be.
std::string everyValue(core::ports::SettingsStore& store) {
    std::string out;
    for (const auto& def : allSettings()) {
        const bool text = def.type == ValueType::Text || def.type == ValueType::Colour;
        out += std::string(def.name) + "=" + (text ? readText(store, def.id) : std::to_string(readInteger(store, def.id))) + "\n";
    }
    return out;
}

std::string defaults() {
    std::string out;
    for (const auto& def : allSettings()) {
        const bool text = def.type == ValueType::Text || def.type == ValueType::Colour;
        out += std::string(def.name) + "=" + (text ? std::string(def.textDefault) : std::to_string(def.intDefault)) + "\n";
    }
    return out;
}

} // namespace

TEST(QtSettingsFaults, ABrokenSettingsFileReadsAsDefaultsAndIsWrittenAnew) {
    enum class Kind { Missing, Unreadable, Binary, Huge, WithNul };
    const struct {
        Kind kind;
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {Kind::Missing, "missing", {}},
        {Kind::Unreadable, "unreadable", "[PreviousExec]\nWidth=1000\n"},
        {Kind::Binary, "binary", binaryFile()},
        {Kind::Huge, "50 MB", hugeFile()},
        {Kind::WithNul, "NUL byte", QByteArray(WITH_NUL, sizeof WITH_NUL - 1)},
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
            EXPECT_EQ(readText(store, Setting::CmdText), "clWindowText");
        } else if (c.kind == Kind::WithNul) {
            // The value ends at the NUL: "6", below the smallest height.
            auto expected = defaults();
            expected.replace(expected.find("Height=575"), 10, "Height=565");
            EXPECT_EQ(everyValue(store), expected);
        } else {
            EXPECT_EQ(everyValue(store), defaults());
        }
        writeInteger(store, Setting::Width, 1024);
        EXPECT_EQ(readInteger(store, Setting::Width), 1024);
    }
    QFile::remove(settingsFile());
}
