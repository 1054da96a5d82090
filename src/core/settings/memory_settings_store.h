#pragma once
// A settings store held in memory: for the command line (which keeps no
// settings) and for tests. Values are kept as text, as a settings file would.
#include "core/ports/settings_store.h"

#include <charconv>
#include <map>
#include <string>
#include <utility>

namespace core::settings {

class MemorySettingsStore : public ports::SettingsStore {
public:
    using Key = std::pair<std::string, std::string>;

    std::string readText(std::string_view section, std::string_view name, std::string_view def) override {
        auto it = m_values.find(key(section, name));
        return it == m_values.end() ? std::string(def) : it->second;
    }
    int readInteger(std::string_view section, std::string_view name, int def) override {
        auto it = m_values.find(key(section, name));
        if (it == m_values.end()) return def;
        int value = 0;
        const auto& s = it->second;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        return ec == std::errc() && end == s.data() + s.size() ? value : def;
    }
    bool readBool(std::string_view section, std::string_view name, bool def) override {
        return readInteger(section, name, def ? 1 : 0) != 0;
    }
    void writeText(std::string_view section, std::string_view name, std::string_view value) override {
        m_values[key(section, name)] = std::string(value);
    }
    void writeInteger(std::string_view section, std::string_view name, int value) override {
        m_values[key(section, name)] = std::to_string(value);
    }
    void writeBool(std::string_view section, std::string_view name, bool value) override {
        writeInteger(section, name, value ? 1 : 0);
    }

    //! Every value written so far, by (section, name).
    const std::map<Key, std::string>& values() const { return m_values; }
    bool has(std::string_view section, std::string_view name) const {
        return m_values.count(key(section, name)) > 0;
    }

private:
    static Key key(std::string_view section, std::string_view name) {
        return {std::string(section), std::string(name)};
    }
    std::map<Key, std::string> m_values;
};

} // namespace core::settings
