#pragma once
// The warnings of the variables, FOR, attribute, SUBST, network and server
// sections, spelled once. Each ends only the section that shows it.
#include "core/wizard/generator_context.h"

#include <string>
#include <string_view>

namespace core::wizard {

enum class WarningText {
    SubstPath,
    SubstLetter,
    ShareName,
    SharePath,
    ServiceToStart,
    ServiceToStop,
    ServiceToPause,
    ServiceToContinue,
    MessageText,
    TimeComputer,
    TimeDomain,
    TimeRtsDomain,
    RunAsUser,
};

std::string_view textOf(WarningText warning);

//! Shows the warning; the generator returns right after it.
inline void warn(GeneratorContext& context, WarningText warning) {
    context.warn(std::string(textOf(warning)));
}

} // namespace core::wizard
