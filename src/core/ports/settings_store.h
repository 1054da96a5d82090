#pragma once
// The per-user settings store: sections of named values. Each call opens the
// store, acts and closes it again; nothing is cached between calls.
#include <string>
#include <string_view>

namespace core::ports {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    //! Absent values, and values that do not read as the asked type, yield the default.
    virtual std::string readText(std::string_view section, std::string_view name, std::string_view def) = 0;
    virtual int readInteger(std::string_view section, std::string_view name, int def) = 0;
    virtual bool readBool(std::string_view section, std::string_view name, bool def) = 0;
    virtual void writeText(std::string_view section, std::string_view name, std::string_view value) = 0;
    virtual void writeInteger(std::string_view section, std::string_view name, int value) = 0;
    virtual void writeBool(std::string_view section, std::string_view name, bool value) = 0;
};

} // namespace core::ports
