#pragma once
// A generate plan: the document, the wizard fields, the dialog's choices and
// the answers to questions, read from JSON and checked before anything runs.
#include "core/wizard/update_list.h"
#include "core/wizard/wizard_pages.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

//! A plan that cannot be run: its text is the reason, for "qlt: ...".
class PlanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Plan {
    std::optional<std::vector<std::string>> document; //!< UTF-8 lines
    nlohmann::json fields = nlohmann::json::object();
    std::vector<std::string> order;    //!< entry texts, moved to the front in this order
    std::vector<std::string> excluded; //!< entry texts unticked in the dialog
    std::vector<bool> answers;         //!< true for "yes"
    core::wizard::Target target = core::wizard::Target::Classic; //!< "target"; a plan without one is classic
};

//! Reads a plan from JSON text; throws PlanError.
Plan parsePlan(const std::string& json);

//! Sets the pages' fields from the plan, as the user would set the controls;
//! throws PlanError for an unknown field, a wrong value or two radio buttons
//! of one group both set.
void applyFields(const nlohmann::json& fields, core::wizard::WizardPages& pages);

//! Rearranges the update list as the plan's "order" and "excluded" say.
void applyDialogChoices(const Plan& plan, core::wizard::UpdateList& list);

} // namespace cli
