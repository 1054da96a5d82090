#pragma once
// Every text Run and Step Through show or write, in one place.
#include <string_view>

namespace core::run::texts {

inline constexpr std::string_view SAVE_QUESTION = "You need to save the file before you can run it. Save?";
inline constexpr std::string_view UNTITLED = "Untitled";

inline constexpr std::string_view LAUNCHER_NAME = "start.bat";
inline constexpr std::string_view LAUNCHER_ECHO_OFF = "@ECHO OFF";
inline constexpr std::string_view RUN_COMMAND = "COMMAND /C ";
inline constexpr std::string_view STEP_COMMAND = "COMMAND /Y /C ";
//! Where COMMAND is gone (64-bit Windows): the interpreter the system names.
//! CALL keeps the quotes of a path holding "&" or brackets, which /C alone strips.
inline constexpr std::string_view CMD_RUN_COMMAND = "%COMSPEC% /C CALL ";

//! The launcher's path, then ": " and the system's reason follow.
inline constexpr std::string_view LAUNCHER_NOT_WRITTEN = "Quillet could not write the launcher ";
//! The launcher's path follows, then NO_INTERPRETER_END.
inline constexpr std::string_view NO_INTERPRETER_START = "Quillet wrote the launcher ";
inline constexpr std::string_view NO_INTERPRETER_END =
    " but nothing on this computer can run it. Running a batch file needs a DOS or Windows command interpreter "
    "set up to open .bat files.";

//! The stand-in for COMMAND beside the launcher, for Run through Wine.
inline constexpr std::string_view COMMAND_STAND_IN_NAME = "COMMAND.BAT";

//! The document's path follows, then PATH_NOT_FAITHFUL_END.
inline constexpr std::string_view PATH_NOT_FAITHFUL_START = "Quillet cannot run ";
inline constexpr std::string_view PATH_NOT_FAITHFUL_END =
    ": the command interpreter would not read its path as written. Paths it reads unchanged hold only plain "
    "ASCII letters, digits and punctuation, without quotes, % or ^. Nothing was run.";
inline constexpr std::string_view STEP_NEEDS_STEPPING =
    "Step Through needs a DOS command interpreter that asks before each line (COMMAND /Y). Wine's command "
    "interpreter runs every line without asking, so nothing was run. Run (F9) runs the whole file through Wine.";
inline constexpr std::string_view NO_TERMINAL =
    "Quillet found Wine to run the batch file with, but no terminal window to show it in: it needs "
    "x-terminal-emulator or xterm. Install a terminal (on Debian or Ubuntu: sudo apt install xterm) and run it "
    "again. Nothing was run.";
inline constexpr std::string_view STEP_NEEDS_DOS =
    "Step Through needs a DOS command interpreter that asks before each line (COMMAND /Y). This Windows has only "
    "cmd, which runs every line without asking, so nothing was run. Run (F9) runs the whole file.";
//! The launcher's path, then ": " and the system's reason follow.
inline constexpr std::string_view TERMINAL_NOT_STARTED = "Quillet could not open a terminal window for the launcher ";

} // namespace core::run::texts
