#include "core/wizard/miscellaneous_generator.h"

#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

#include <optional>
#include <string>

namespace core::wizard {
namespace {

enum class Shutdown { Off, Restart, LogOff };

std::optional<Shutdown> shutdownAction(const MiscellaneousChoices& page) {
    if (page.RadioButton28) return Shutdown::Off;
    if (page.RadioButton29) return Shutdown::Restart;
    if (page.RadioButton30) return Shutdown::LogOff;
    return std::nullopt;
}

std::string windows9xLine(Shutdown action, bool force) {
    static constexpr char FORCED[] = {'5', '6', '4'};
    static constexpr char PLAIN[] = {'1', '2', '0'};
    const auto index = static_cast<std::size_t>(action);
    return std::string("rundll32.exe shell32.dll,SHExitWindowsEx ") + (force ? FORCED : PLAIN)[index];
}

std::string windowsXpLine(Shutdown action, bool force, int delay) {
    static constexpr std::string_view SWITCH[] = {"-s", "-r", "-l"};
    return "shutdown " + std::string(SWITCH[static_cast<std::size_t>(action)]) + (force ? " -f" : "") + " -t: " +
           std::to_string(delay);
}

std::optional<std::string> windowsNtLine(Shutdown action, bool force, int delay) {
    if (action == Shutdown::LogOff) return std::nullopt;
    return std::string("SHUTDOWN /L") + (action == Shutdown::Restart ? " /R" : "") + " /Y" + (force ? " /C" : "") +
           " /T:" + std::to_string(delay);
}

// Today's SHUTDOWN, whatever Windows version the page names: /S, /R or /L,
// /F to force; a log-off takes no delay (/L refuses /T).
std::string windowsShutdownLine(Shutdown action, bool force, int delay) {
    static constexpr std::string_view SWITCH[] = {"/S", "/R", "/L"};
    std::string line = "SHUTDOWN " + std::string(SWITCH[static_cast<std::size_t>(action)]) + (force ? " /F" : "");
    return action == Shutdown::LogOff ? line : line + " /T " + std::to_string(delay);
}

// The combined files: short forms joined by " + ", each with "/B" for binary files.
std::string fileList(const MiscellaneousChoices& page, GeneratorContext& context) {
    std::string list;
    for (std::size_t i = 0; i < page.Memo4.size(); ++i) {
        if (i > 0) list += " + ";
        list += pathArgument(context, page.Memo4[i]);
        if (page.CheckBox44 && context.target == Target::Classic) list += "/B";
    }
    return list;
}

// The sources of the combining COPY, keyboard input before or after the files.
std::optional<std::string> combineSources(const MiscellaneousChoices& page, GeneratorContext& context) {
    const auto list = fileList(page, context);
    if (!page.CheckBox25) return list;
    if (page.RadioButton33) return "CON + " + list;
    if (page.RadioButton34) return list + " + CON";
    return std::nullopt;
}

} // namespace

void generateShutdown(const MiscellaneousChoices& page, GeneratorContext& context) {
    const auto action = shutdownAction(page);
    if (!action) return;
    if (context.target == Target::Windows)
        return context.appendLine(windowsShutdownLine(*action, page.CheckBox22, page.CSpinEdit2));
    std::optional<std::string> line;
    if (page.RadioButton26) line = windows9xLine(*action, page.CheckBox22);
    else if (page.RadioButton27) line = windowsXpLine(*action, page.CheckBox22, page.CSpinEdit2);
    else if (page.RadioButton58) line = windowsNtLine(*action, page.CheckBox22, page.CSpinEdit2);
    if (line) context.appendLine(*line);
}

void generateKeyboardInput(const MiscellaneousChoices& page, GeneratorContext& context) {
    if (context.target == Target::Windows) {
        if (page.RadioButton32) return context.warn(std::string(texts::NO_PRINTER_PORT));
        if (page.RadioButton31) context.appendLine("COPY CON " + quotedOnce(joinedPath(page.Edit16, page.Edit15)));
        return;
    }
    if (page.RadioButton31) context.appendLine("COPY CON " + page.Edit16 + "\\" + page.Edit15);
    if (page.RadioButton32) context.appendLine("COPY CON LPT1");
}

void generateCombine(const MiscellaneousChoices& page, GeneratorContext& context) {
    if (!page.RadioButton35 && !page.RadioButton36) return;
    const auto sources = combineSources(page, context);
    if (!sources) return;
    if (context.target == Target::Windows) {
        if (page.RadioButton35) return context.warn(std::string(texts::NO_PRINTER_PORT));
        // One /B before the files makes every file and the result binary.
        const std::string mode = page.CheckBox44 ? "/B " : "";
        return context.appendLine("COPY " + mode + *sources + " " + quotedOnce(joinedPath(page.Edit18, page.Edit17)));
    }
    const auto output = page.RadioButton35 ? std::string("LPT1") : page.Edit18 + "\\" + page.Edit17;
    context.appendLine("COPY " + *sources + " " + output);
}

} // namespace core::wizard
