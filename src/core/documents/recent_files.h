#pragma once
// The three most recently opened or saved files, as the File menu shows them
// (entries "&1. " + path .. "&3. " + path under a separator), stored in the
// "Recent" section. The store's defaults "File 1", "File 2", "File 3" stand
// for empty slots.
#include "core/ports/settings_store.h"

#include <array>
#include <cstddef>
#include <string>

namespace core::documents {

class RecentFiles {
public:
    static constexpr std::size_t COUNT = 3;

    //! Start-up: reads the three values; entry 1 is shown unless its slot is empty.
    void load(ports::SettingsStore& store);
    //! After Open: moves path to the front unless it is there already, then
    //! stores. The path is a copy: it may be one of the entries being moved.
    void noteOpened(std::string path, ports::SettingsStore& store);
    //! After Save As: path goes in front, always, even when it is listed already.
    void noteSavedAs(std::string path, ports::SettingsStore& store);

    const std::string& file(std::size_t index) const { return m_files.at(index); }
    //! The menu caption: "&1. " + the first file, and so on.
    std::string caption(std::size_t index) const;
    bool visible(std::size_t index) const;
    //! The separator above the entries shows with entry 1.
    bool separatorVisible() const { return m_firstShown; }

private:
    void putFirst(std::string path, std::size_t from, ports::SettingsStore& store);

    std::array<std::string, COUNT> m_files{"File 1", "File 2", "File 3"};
    bool m_firstShown = false;
};

} // namespace core::documents
