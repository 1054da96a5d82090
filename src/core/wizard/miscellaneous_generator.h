#pragma once
// Sections 12 to 14: shutdown line, COPY CON line, combining COPY line.
#include "core/wizard/generator_context.h"
#include "core/wizard/miscellaneous_choices.h"

namespace core::wizard {

void generateShutdown(const MiscellaneousChoices& page, GeneratorContext& context);
void generateKeyboardInput(const MiscellaneousChoices& page, GeneratorContext& context);
void generateCombine(const MiscellaneousChoices& page, GeneratorContext& context);

} // namespace core::wizard
