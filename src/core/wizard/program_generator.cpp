#include "core/wizard/program_generator.h"

#include "core/aids/short_path.h"
#include "core/wizard/wizard_texts.h"

#include <string>

namespace core::wizard {
namespace {

// "START /r", "START /max /w", ...: the switches of a window mode and waiting.
std::string startOf(WindowMode mode, bool wait) {
    std::string start = "START ";
    switch (mode) {
    case WindowMode::Normal: start += "/r"; break;
    case WindowMode::Maximised: start += "/max"; break;
    case WindowMode::Minimised: start += "/m"; break;
    }
    return wait ? start + " /w" : start;
}

} // namespace

void generateRunProgram(const ProgramChoices& page, GeneratorContext& context) {
    if (page.Edit2.empty()) {
        context.warn(std::string(texts::FORGOT_PROGRAM));
        return;
    }
    // The blank before the arguments is always written, arguments or not.
    context.appendLine(startOf(page.programWindow(), page.CheckBox11) + " " +
                       aids::shortPathOfText(context.files, page.Edit2) + " " + page.Edit3);
}

void generateOpenFiles(const ProgramChoices& page, GeneratorContext& context) {
    if (page.Memo3.empty()) {
        context.warn(std::string(texts::FORGOT_FILES_TO_OPEN));
        return;
    }
    const auto start = startOf(page.editorWindow(), page.CheckBox12);
    for (const auto& file : page.Memo3) context.appendLine(start + " " + aids::shortPathOfText(context.files, file));
}

} // namespace core::wizard
