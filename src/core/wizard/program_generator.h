#pragma once
// Sections 10 and 11: START a program, START the files to open.
#include "core/wizard/generator_context.h"
#include "core/wizard/program_choices.h"

namespace core::wizard {

void generateRunProgram(const ProgramChoices& page, GeneratorContext& context);
void generateOpenFiles(const ProgramChoices& page, GeneratorContext& context);

} // namespace core::wizard
