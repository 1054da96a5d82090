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
    context.target = pages.target;
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
    case 15: generateForStatement(pages.forAttributes, context); return;
    case 16: generateSetVariables(pages.variables, context); return;
    case 17: generateIfStatement(pages.variables, context); return;
    case 18: generateAttributes(pages.forAttributes, context); return;
    case 20: generateSubst(pages.forAttributes, context); return;
    case 21: generateShare(pages.networkSharing, context); return;
    case 23: generateConnection(pages.networkSharing, context); return;
    case 24: generateUserAccounts(pages.server, context); return;
    case 25: generateStartService(pages.networkServices, context); return;
    case 26: generateStopService(pages.networkServices, context); return;
    case 27: generatePauseService(pages.networkServices, context); return;
    case 28: generateContinueService(pages.networkServices, context); return;
    case 29: generateMessage(pages.otherNetwork, context); return;
    case 30: generateTimeSync(pages.otherNetwork, context); return;
    case 31: generateRunAs(pages.otherNetwork, context); return;
    default: return;
    }
}

} // namespace core::wizard
