#include "core/documents/recent_files.h"

#include "core/settings/settings_table.h"

#include <utility>

namespace core::documents {
namespace {

using settings::Setting;
constexpr std::array<Setting, RecentFiles::COUNT> SLOTS = {Setting::RecentFile1, Setting::RecentFile2,
                                                           Setting::RecentFile3};

} // namespace

void RecentFiles::load(ports::SettingsStore& store) {
    for (std::size_t i = 0; i < COUNT; ++i) m_files[i] = settings::readText(store, SLOTS[i]);
    m_firstShown = caption(0) != "&1. File 1";
}

void RecentFiles::noteOpened(std::string path, ports::SettingsStore& store) {
    // The path moves to the front and the entries above it move down one; the
    // last slot is checked first, so a path listed twice moves from the bottom.
    std::size_t from = COUNT - 1; // not listed: the last entry drops out
    for (std::size_t i = COUNT; i-- > 0;) {
        if (m_files[i] == path) {
            from = i;
            break;
        }
    }
    putFirst(std::move(path), from, store);
}

void RecentFiles::noteSavedAs(std::string path, ports::SettingsStore& store) { putFirst(std::move(path), COUNT - 1, store); }

void RecentFiles::putFirst(std::string path, std::size_t from, ports::SettingsStore& store) {
    for (std::size_t i = from; i > 0; --i) m_files[i] = m_files[i - 1];
    m_files[0] = std::move(path);
    m_firstShown = true;
    for (std::size_t i = 0; i < COUNT; ++i) settings::writeText(store, SLOTS[i], m_files[i]);
}

std::string RecentFiles::caption(std::size_t index) const {
    std::string caption = "&";
    caption += static_cast<char>('1' + index);
    caption += ". ";
    return caption + m_files.at(index);
}

bool RecentFiles::visible(std::size_t index) const {
    // An entry is hidden while it shows an empty slot's placeholder, its own or
    // one shuffled down from above.
    switch (index) {
    case 0: return m_firstShown;
    case 1: return caption(1) != "&2. File 2" && caption(1) != "&2. File 1";
    case 2: return caption(2) != "&3. File 3" && caption(2) != "&3. File 2" && caption(2) != "&3. File 1";
    default: return false;
    }
}

} // namespace core::documents
