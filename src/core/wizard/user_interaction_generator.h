#pragma once
// Section 9: a CHOICE line and its IF ERRORLEVEL branches.
#include "core/wizard/generator_context.h"
#include "core/wizard/user_interaction_choices.h"

#include <string>

namespace core::wizard {

void generateChoice(const UserInteractionChoices& page, GeneratorContext& context);

//! The suffix that keeps the labels of the choice at this entry position
//! unique: "A" to "Z" for positions 0 to 25, then "1", "2", ...
std::string choiceLabelSuffix(int entryPosition);

} // namespace core::wizard
