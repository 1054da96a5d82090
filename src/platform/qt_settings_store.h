#pragma once
// The settings store on QSettings in its native format: the registry key
// HKCU\Software\Marrowfen Software\Quillet on Windows, a per-user INI file
// elsewhere. Every call opens the store, acts and closes it.
#include "core/ports/settings_store.h"

namespace platform {

class QtSettingsStore : public core::ports::SettingsStore {
public:
    std::string readText(std::string_view section, std::string_view name, std::string_view def) override;
    int readInteger(std::string_view section, std::string_view name, int def) override;
    bool readBool(std::string_view section, std::string_view name, bool def) override;
    void writeText(std::string_view section, std::string_view name, std::string_view value) override;
    void writeInteger(std::string_view section, std::string_view name, int value) override;
    void writeBool(std::string_view section, std::string_view name, bool value) override;
};

} // namespace platform
