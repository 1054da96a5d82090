#include "platform/qt_settings_store.h"

#include "core/settings/settings_table.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace core::settings;
using platform::QtSettingsStore;

namespace {
void clearStore() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Marrowfen Software", "Quillet").clear();
}
} // namespace

TEST(QtSettingsStore, EmptyStoreReadsDefaults) {
    clearStore();
    QtSettingsStore store;
    for (const auto& def : allSettings()) {
        SCOPED_TRACE(std::string(def.name));
        if (def.type == ValueType::Text || def.type == ValueType::Colour)
            EXPECT_EQ(readText(store, def.id), def.textDefault);
        else
            EXPECT_EQ(readInteger(store, def.id), def.intDefault);
    }
}

TEST(QtSettingsStore, RoundTripAndStoredLayout) {
    clearStore();
    QtSettingsStore store;
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

TEST(QtSettingsStore, GarbageInTheFileReadsAsDefault) {
    clearStore();
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Marrowfen Software", "Quillet");
        raw.setValue("PreviousExec/Width", "wide");
        raw.setValue("PreviousExec/Height", -5);
        raw.setValue("Options/CmdText", "clPlaid");
    }
    QtSettingsStore store;
    EXPECT_EQ(readInteger(store, Setting::Width), 800);
    EXPECT_EQ(readInteger(store, Setting::Height), 565);
    EXPECT_EQ(readText(store, Setting::CmdText), "clWindowText");
}
