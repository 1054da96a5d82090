#include "core/wizard/update_list.h"

#include "core/wizard/section_table.h"

#include <utility>

namespace core::wizard {

UpdateList UpdateList::fromPages(WizardPages& pages) {
    std::vector<UpdateEntry> entries;
    for (const auto& row : sectionTable()) {
        const bool* on = findSwitch(pages, row.switchName);
        if (on && *on) entries.push_back({std::string(row.entryText), row.code, true});
    }
    return UpdateList(std::move(entries));
}

bool UpdateList::moveUp(std::size_t index) {
    if (index == 0 || index >= m_entries.size()) return false;
    std::swap(m_entries[index - 1], m_entries[index]);
    return true;
}

bool UpdateList::moveDown(std::size_t index) {
    if (index + 1 >= m_entries.size()) return false;
    std::swap(m_entries[index], m_entries[index + 1]);
    return true;
}

bool UpdateList::toggle(std::size_t index) {
    if (index >= m_entries.size()) return false;
    m_entries[index].included = !m_entries[index].included;
    return true;
}

std::size_t UpdateList::indexOf(std::string_view text) const {
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].text == text) return i;
    return m_entries.size();
}

void UpdateList::remove(std::size_t index) {
    if (index < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace core::wizard
