#pragma once
// "Reset Choices": "&All" and "&This Page" clear exactly the listed controls.
// Both lists are data (reset_lists.cpp) so they can be read against the pages;
// what the cleared switches enable follows from enabling_rules.h.
#include "core/wizard/wizard_pages.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::wizard {

enum class ResetAction {
    Off,     //!< a check box or radio button turned off
    Empty,   //!< a text, memo, drop-down or grid emptied (a masked field to its blanks)
};

//! One line of a reset list: the control `name`, or when `last` is not 0 the
//! controls `name` + first .. `name` + last ("Edit", 2, 14 = Edit2 to Edit14).
struct ResetEntry {
    ResetAction action;
    std::string_view name;
    int first = 0;
    int last = 0;
};

//! What "&All" clears, in its order.
std::span<const ResetEntry> resetAllList();
//! What "&This Page" clears on the given page or network sub-page.
std::span<const ResetEntry> resetPageList(WizardPage page);

//! The control names one entry stands for.
std::vector<std::string> namesOf(const ResetEntry& entry);

//! Applies "&All": the listed fields, and the browse memory starts afresh.
void resetAll(WizardPages& pages);
//! Applies "&This Page" for one page.
void resetPage(WizardPages& pages, WizardPage page);

} // namespace core::wizard
