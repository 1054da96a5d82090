#pragma once
// Which wizard control enables which: one table, read after every click on a
// page and after "Reset Choices", so the pages always show the state their
// choices call for.
#include "core/wizard/wizard_pages.h"

#include <string>
#include <vector>

namespace core::wizard {

//! How an edit field looks: white while it can be typed in, else greyed or in
//! the inactive-caption colour. Buttons and boxes only enable or disable.
enum class FieldShade { None, Window, Greyed, InactiveCaption };

//! The state one control is to show.
struct EnableState {
    std::string name;
    bool enabled = true;
    FieldShade shade = FieldShade::None;
    //! Why the control is disabled, when the chosen target is the reason (its
    //! tooltip); empty otherwise.
    std::string whyOff;
    bool operator==(const EnableState&) const = default;
};

//! Every control whose enabled state follows others, as the pages' switches
//! and the chosen target call for it. Controls no rule names keep their state.
std::vector<EnableState> enabledStates(WizardPages& pages);

} // namespace core::wizard
