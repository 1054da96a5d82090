#include "core/run/launcher.h"

#include "core/aids/path_parts.h"
#include "core/run/run_texts.h"
#include "core/text/codepage.h"
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

} // namespace

bool neverSaved(std::string_view path) {
    return path.starts_with(texts::UNTITLED) && std::none_of(path.begin(), path.end(), aids::isSeparator);
}

std::vector<std::string> launcherLines(RunMode mode, std::string_view shortPath) {
    const auto command = mode == RunMode::Run ? texts::RUN_COMMAND : texts::STEP_COMMAND;
    return {std::string(texts::LAUNCHER_ECHO_OFF), std::string(command) + std::string(shortPath)};
}

bool runDocument(RunMode mode, RunnableDocument& document, ports::Prompter& prompter, ports::FileSystem& files,
                 ports::Shell& shell) {
    if (!savedForRunning(document, prompter)) return false;
    const auto shortPath = text::fromUtf8(files.shortPath(document.path())).bytes;
    const auto launcher = files.dataFolder() + std::string(texts::LAUNCHER_NAME);
    const auto written = files.writeFileAtomically(launcher, text::joinLines(launcherLines(mode, shortPath)));
    if (!written.ok) {
        prompter.message(MessageKind::Error, Buttons::Ok,
                         std::string(texts::LAUNCHER_NOT_WRITTEN) + launcher + ": " + written.error + ".");
        return false;
    }
    std::string reason;
    if (shell.open(launcher, reason)) return true;
    prompter.message(MessageKind::Error, Buttons::Ok,
                     std::string(texts::NO_INTERPRETER_START) + launcher + std::string(texts::NO_INTERPRETER_END));
    return false;
}

} // namespace core::run
