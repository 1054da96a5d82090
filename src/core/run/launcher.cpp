#include "core/run/launcher.h"

#include "core/aids/path_parts.h"
#include "core/run/run_texts.h"
#include "core/run/wine.h"
#include "core/text/lines.h"

#include <algorithm>

namespace core::run {
namespace {

using ports::Buttons;
using ports::MessageKind;

// Step 1: make sure the file on disk is the document; false stops the command.
bool savedForRunning(RunnableDocument& document, ports::Prompter& prompter) {
    const bool untitled = neverSaved(document.path());
    if (!document.modified() && !untitled) return true;
    if (prompter.message(MessageKind::Confirmation, Buttons::YesCancel, std::string(texts::SAVE_QUESTION)) !=
        ports::Answer::Yes)
        return false;
    const bool saved = untitled ? document.saveAs() : document.save();
    return saved && !neverSaved(document.path());
}

void report(ports::Prompter& prompter, const std::string& text) {
    prompter.message(MessageKind::Error, Buttons::Ok, text);
}

std::optional<std::string> argumentOrReport(std::optional<std::string_view> path, std::string_view shown,
                                            ports::Prompter& prompter) {
    auto argument = path ? launcherArgument(*path) : std::nullopt;
    if (!argument)
        report(prompter, std::string(texts::PATH_NOT_FAITHFUL_START) + std::string(shown) +
                             std::string(texts::PATH_NOT_FAITHFUL_END));
    return argument;
}

// Writes a file of the data folder; false, after saying why, when it failed.
bool writeOrReport(const std::string& path, const std::vector<std::string>& lines, ports::FileSystem& files,
                   ports::Prompter& prompter) {
    const auto written = files.writeFileAtomically(path, text::joinLines(lines));
    if (!written.ok) report(prompter, std::string(texts::LAUNCHER_NOT_WRITTEN) + path + ": " + written.error + ".");
    return written.ok;
}

bool runThroughWine(RunMode mode, const std::string& document, const WineTools& tools, ports::Prompter& prompter,
                    ports::FileSystem& files, ports::Shell& shell) {
    if (mode == RunMode::StepThrough) {
        report(prompter, std::string(texts::STEP_NEEDS_STEPPING));
        return false;
    }
    const auto argument = argumentOrReport(winePath(document), document, prompter);
    if (!argument) return false;
    const auto folder = files.dataFolder();
    const auto launcher = folder + std::string(texts::LAUNCHER_NAME);
    const auto wineLauncher = winePath(launcher);
    if (!wineLauncher || !argumentOrReport(*wineLauncher, launcher, prompter)) return false;
    if (!writeOrReport(launcher, launcherLines(mode, *argument), files, prompter) ||
        !writeOrReport(folder + std::string(texts::COMMAND_STAND_IN_NAME), commandStandInLines(), files, prompter))
        return false;
    std::string reason;
    if (shell.start(terminalCommand(tools, *wineLauncher), folder, reason)) return true;
    report(prompter, std::string(texts::TERMINAL_NOT_STARTED) + launcher + ": " + reason + ".");
    return false;
}

} // namespace

bool neverSaved(std::string_view path) {
    return path.starts_with(texts::UNTITLED) && std::none_of(path.begin(), path.end(), aids::isSeparator);
}

std::optional<std::string> launcherArgument(std::string_view path) {
    // The interpreter reads the launcher in the console's code page, not in
    // Windows-1252: only ASCII means the same in both. A quote cannot be
    // quoted; % and ^ change meaning on the way through COMMAND and CALL.
    const bool faithful = std::all_of(path.begin(), path.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '%' && c != '^';
    });
    if (!faithful || path.empty()) return std::nullopt;
    // Blanks and these characters split a command line or end a name unless quoted.
    if (path.find_first_of(" &()[]{}=;!,|<>") == std::string_view::npos) return std::string(path);
    return "\"" + std::string(path) + "\"";
}

std::vector<std::string> launcherLines(RunMode mode, std::string_view argument, ports::Interpreter interpreter) {
    const auto command = interpreter == ports::Interpreter::Windows ? texts::CMD_RUN_COMMAND
                         : mode == RunMode::Run                     ? texts::RUN_COMMAND
                                                                    : texts::STEP_COMMAND;
    return {std::string(texts::LAUNCHER_ECHO_OFF), std::string(command) + std::string(argument)};
}

bool runDocument(RunMode mode, RunnableDocument& document, ports::Prompter& prompter, ports::FileSystem& files,
                 ports::Shell& shell) {
    if (!savedForRunning(document, prompter)) return false;
    const auto wine = findWineTools(shell);
    if (wine.available()) return runThroughWine(mode, document.path(), wine, prompter, files, shell);
    if (wine.lacksTerminal()) {
        report(prompter, std::string(texts::NO_TERMINAL));
        return false;
    }
    const auto interpreter = shell.interpreter();
    if (mode == RunMode::StepThrough && interpreter == ports::Interpreter::Windows) {
        report(prompter, std::string(texts::STEP_NEEDS_DOS));
        return false;
    }
    const auto argument = argumentOrReport(files.shortPath(document.path()), document.path(), prompter);
    if (!argument) return false;
    const auto launcher = files.dataFolder() + std::string(texts::LAUNCHER_NAME);
    if (!writeOrReport(launcher, launcherLines(mode, *argument, interpreter), files, prompter)) return false;
    std::string reason;
    if (shell.open(launcher, reason)) return true;
    report(prompter, std::string(texts::NO_INTERPRETER_START) + launcher + std::string(texts::NO_INTERPRETER_END));
    return false;
}

} // namespace core::run
