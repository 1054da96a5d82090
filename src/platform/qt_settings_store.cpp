#include "platform/qt_settings_store.h"

#include "core/version.h"
#include "platform/qt_text.h"

#include <QSettings>

#include <memory>

namespace platform {
namespace {

QString keyOf(std::string_view section, std::string_view name) {
    return fromUtf8(section) + QLatin1Char('/') + fromUtf8(name);
}

std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, core::COMPANY_NAME,
                                       core::PRODUCT_NAME);
}

// Writes only when the value changes: QSettings rewrites its file on every set.
void writeValue(std::string_view section, std::string_view name, const QVariant& value) {
    auto store = openStore();
    const auto key = keyOf(section, name);
    if (store->contains(key) && store->value(key).toString() == value.toString()) return;
    store->setValue(key, value);
}

} // namespace

std::string QtSettingsStore::readText(std::string_view section, std::string_view name, std::string_view def) {
    auto store = openStore();
    const auto value = store->value(keyOf(section, name));
    if (!value.isValid() || !value.canConvert<QString>()) return std::string(def);
    return toUtf8(value.toString());
}

int QtSettingsStore::readInteger(std::string_view section, std::string_view name, int def) {
    auto store = openStore();
    const auto value = store->value(keyOf(section, name));
    if (!value.isValid()) return def;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : def;
}

bool QtSettingsStore::readBool(std::string_view section, std::string_view name, bool def) {
    return readInteger(section, name, def ? 1 : 0) != 0;
}

void QtSettingsStore::writeText(std::string_view section, std::string_view name, std::string_view value) {
    writeValue(section, name, fromUtf8(value));
}

void QtSettingsStore::writeInteger(std::string_view section, std::string_view name, int value) {
    writeValue(section, name, value);
}

void QtSettingsStore::writeBool(std::string_view section, std::string_view name, bool value) {
    writeValue(section, name, value ? 1 : 0);
}

} // namespace platform
