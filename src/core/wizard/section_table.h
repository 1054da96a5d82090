#pragma once
// The wizard sections: in this order the update list is built from the
// switches that are on; the entry text is shown, the code selects the generator.
#include <span>
#include <string_view>

namespace core::wizard {

struct SectionRow {
    std::string_view switchName; //!< the choosing check box or radio button
    std::string_view entryText;  //!< the update-list entry
    int code;                    //!< 1 to 31; never 19 or 22
};

//! The table in update-list order.
std::span<const SectionRow> sectionTable();

//! The row of an entry text (exact), or nullptr.
const SectionRow* findSection(std::string_view entryText);

} // namespace core::wizard
