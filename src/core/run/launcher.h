#pragma once
// Run and Step Through: the current document, saved first, is run through a
// two-line launcher "start.bat" in the data folder that the desktop opens, or,
// where Wine and a terminal are installed, that Wine's cmd runs in a terminal.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"
#include "core/run/runnable_document.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::run {

enum class RunMode {
    Run,         //!< the whole file
    StepThrough, //!< the interpreter asks before each line
};

//! True for the path of a document that was never saved: a bare "Untitled..." name.
bool neverSaved(std::string_view path);

//! How the launcher names a file (its short path, or its Wine path): the path,
//! quoted where it holds blanks or separators; nothing when the command
//! interpreter could not read it back unchanged (see the definition).
std::optional<std::string> launcherArgument(std::string_view path);

//! The launcher's two lines for an argument made by launcherArgument. Step
//! Through needs the DOS interpreter; cmd runs a file whole.
std::vector<std::string> launcherLines(RunMode mode, std::string_view argument,
                                       ports::Interpreter interpreter = ports::Interpreter::Dos);

//! Run2Click / Run1Click. A document that is modified or never saved is saved
//! first, after asking; a Cancel or a save that is cancelled or fails ends the
//! command with nothing written or started; so does a path the launcher cannot
//! name faithfully, and Step Through where only Wine or cmd could run it. Returns true
//! when the launcher was written and handed to the desktop or to Wine.
bool runDocument(RunMode mode, RunnableDocument& document, ports::Prompter& prompter, ports::FileSystem& files,
                 ports::Shell& shell);

} // namespace core::run
