#pragma once
// The update list of "Update Batch File": the chosen sections in the order
// they will be generated, each with its included mark.
#include "core/wizard/wizard_pages.h"

#include <cstddef>
#include <string>
#include <vector>

namespace core::wizard {

struct UpdateEntry {
    std::string text; //!< entry text of the section table
    int code = 0;     //!< section code
    bool included = true;

    bool operator==(const UpdateEntry&) const = default;
};

class UpdateList {
public:
    UpdateList() = default;
    explicit UpdateList(std::vector<UpdateEntry> entries) : m_entries(std::move(entries)) {}

    //! One included entry per switch that is on, in section-table order.
    static UpdateList fromPages(WizardPages& pages);

    const std::vector<UpdateEntry>& entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const UpdateEntry& at(std::size_t index) const { return m_entries.at(index); }

    //! Moves an entry one place up; false (nothing moves) for the first or a bad index.
    bool moveUp(std::size_t index);
    //! Moves an entry one place down; false for the last or a bad index.
    bool moveDown(std::size_t index);
    //! Flips an entry's included mark; false for a bad index.
    bool toggle(std::size_t index);
    //! Index of the entry with this text, or size() when there is none.
    std::size_t indexOf(std::string_view text) const;
    //! Removes an entry (the update walk drops excluded ones).
    void remove(std::size_t index);

private:
    std::vector<UpdateEntry> m_entries;
};

} // namespace core::wizard
