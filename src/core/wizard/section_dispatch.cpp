#include "core/wizard/file_operation_generator.h"
#include "core/wizard/miscellaneous_generator.h"
#include "core/wizard/program_generator.h"
#include "core/wizard/update_flow.h"
#include "core/wizard/user_interaction_generator.h"

namespace core::wizard {

void generateSection(int code, WizardPages& pages, GeneratorContext& context) {
    if (code < 0 || code > 31) return;
    // The XCOPY options are read afresh for every section, whatever its code.
    context.xcopyMask = pages.fileOperations.xcopyMask();
    switch (code) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:
        generateFileOperation(code, pages.fileOperations, context);
        return;
    case 9: generateChoice(pages.userInteraction, context); return;
    case 10: generateRunProgram(pages.programs, context); return;
    case 11: generateOpenFiles(pages.programs, context); return;
    case 12: generateShutdown(pages.miscellaneous, context); return;
    case 13: generateKeyboardInput(pages.miscellaneous, context); return;
    case 14: generateCombine(pages.miscellaneous, context); return;
    // Extension point: sections 15 to 31 dispatch to their pages' generators here.
    default: return;
    }
}

} // namespace core::wizard
