#pragma once
// Sections 1 to 8: COPY, MOVE, XCOPY, DEL, RMDIR/DELTREE, RENAME and MD lines.
#include "core/wizard/file_operation_choices.h"
#include "core/wizard/generator_context.h"

#include <string>

namespace core::wizard {

void generateFileOperation(int code, const FileOperationChoices& page, GeneratorContext& context);

//! The XCOPY switches after the destination: /Y or /-Y first, then /S or /T,
//! /V, /W /H /P /Q /D by the option mask, and /E last.
std::string xcopySwitches(bool confirm, int subfolderMode, bool verify, unsigned mask);

} // namespace core::wizard
