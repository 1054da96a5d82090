#pragma once
// Run on a system without the DOS or Windows command interpreter: Wine's cmd
// runs the launcher in a terminal window. The launcher keeps its COMMAND /C
// line; a stand-in COMMAND.BAT in the data folder answers it.
#include "core/ports/shell.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::run {

//! The programs that run a launcher through Wine; each empty when missing.
struct WineTools {
    std::string wine;
    std::string terminal; //!< the desktop's terminal, else xterm

    bool available() const { return !wine.empty() && !terminal.empty(); }
    //! Wine is there, but no terminal to show the run in.
    bool lacksTerminal() const { return !wine.empty() && terminal.empty(); }
};

WineTools findWineTools(ports::Shell& shell);

//! The path Wine gives a POSIX path: its Z: drive, with backslashes. Nothing
//! for a relative path or a name Windows cannot hold (\ : * ? " < > |).
std::optional<std::string> winePath(std::string_view posixPath);

//! The stand-in for COMMAND: "COMMAND /C file" runs the file through cmd.
std::vector<std::string> commandStandInLines();

//! Opens a terminal that runs the launcher (a Wine path) and stays open at its end.
std::vector<std::string> terminalCommand(const WineTools& tools, std::string_view wineLauncher);

} // namespace core::run
