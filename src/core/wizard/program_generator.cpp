#include "core/wizard/program_generator.h"

#include "core/wizard/target_lines.h"
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

// Today's START: an empty title first (else a quoted program is taken for the
// title), then /MAX or /MIN (a normal window needs no switch) and /WAIT.
std::string windowsStartOf(WindowMode mode, bool wait) {
    std::string start = "START \"\"";
    if (mode == WindowMode::Maximised) start += " /MAX";
    if (mode == WindowMode::Minimised) start += " /MIN";
    return wait ? start + " /WAIT" : start;
}

std::string startFor(GeneratorContext& context, WindowMode mode, bool wait) {
    return context.target == Target::Windows ? windowsStartOf(mode, wait) : startOf(mode, wait);
}

} // namespace

void generateRunProgram(const ProgramChoices& page, GeneratorContext& context) {
    if (page.Edit2.empty()) {
        context.warn(std::string(texts::FORGOT_PROGRAM));
        return;
    }
    const auto head = startFor(context, page.programWindow(), page.CheckBox11) + " " + pathArgument(context, page.Edit2);
    // The classic line keeps the blank before the arguments, arguments or not.
    if (context.target == Target::Windows && page.Edit3.empty()) return context.appendLine(head);
    context.appendLine(head + " " + page.Edit3);
}

void generateOpenFiles(const ProgramChoices& page, GeneratorContext& context) {
    if (page.Memo3.empty()) {
        context.warn(std::string(texts::FORGOT_FILES_TO_OPEN));
        return;
    }
    const auto start = startFor(context, page.editorWindow(), page.CheckBox12);
    for (const auto& file : page.Memo3) context.appendLine(start + " " + pathArgument(context, file));
}

} // namespace core::wizard
