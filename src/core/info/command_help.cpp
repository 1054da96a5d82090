#include "core/info/command_help.h"

#include "core/text/codepage.h"

#include <array>

namespace core::info {
namespace {

constexpr std::array<CommandHelp, 42> COMMANDS = {{
    {"ATTRIB", "Shows or changes file attributes: ATTRIB +R|-R +H|-H +S|-S +A|-A FILE [/S].", "file-attributes.html"},
    {"CALL", "Runs another batch file, or a label of this one as a subroutine: CALL FILE.BAT or CALL :LABEL.", "run-program.html"},
    {"CD", "Shows or changes the current folder: CD FOLDER. A path with blanks needs double quotes or its short form.", "checker-messages.html"},
    {"CHOICE", "Waits for the user to press one of a set of keys and sets ERRORLEVEL to its place: CHOICE /C:YN TEXT.", "user-interaction.html"},
    {"CLS", "Clears the screen.", "checker.html"},
    {"COMMAND", "Starts a new copy of the command interpreter: COMMAND /C LINE runs one line and returns.", "run-program.html"},
    {"COPY", "Copies files: COPY SOURCE DESTINATION [/Y|/-Y] [/V]. Join files with +.", "copy-and-move.html"},
    {"DATE", "Shows or sets the date.", "checker.html"},
    {"DEL", "Deletes files: DEL FILE [/P]. Wildcards allowed.", "delete-files.html"},
    {"DELTREE", "Deletes a folder with everything in it: DELTREE /Y FOLDER.", "delete-files.html"},
    {"DIR", "Lists the files of a folder: DIR FOLDER [/S] [/W] [/P].", "checker-messages.html"},
    {"ECHO", "Shows a line of text, or turns the echoing of commands ON or OFF: ECHO TEXT.", "checker.html"},
    {"ENDLOCAL", "Ends the local scope SETLOCAL began; variables get back their earlier values.", "variables.html"},
    {"ERASE", "Deletes files, as DEL: ERASE FILE [/P].", "delete-files.html"},
    {"EXIT", "Leaves the command interpreter, or with /B the batch file: EXIT [/B] [CODE].", "run-program.html"},
    {"FOR", "Runs a command for each item of a set: FOR %%A IN (SET) DO COMMAND %%A.", "for-statement.html"},
    {"GOTO", "Goes on at a label of this batch file: GOTO LABEL (the line :LABEL).", "checker.html"},
    {"IF", "Runs a command on a condition: IF [NOT] EXIST FILE, IF [NOT] A==B, IF [NOT] ERRORLEVEL N.", "if-statement.html"},
    {"LFNFOR", "Turns long file names in FOR sets ON or OFF.", "for-statement.html"},
    {"MD", "Makes a folder: MD FOLDER.", "rename-and-new-directory.html"},
    {"MKDIR", "Makes a folder: MKDIR FOLDER.", "rename-and-new-directory.html"},
    {"MODE", "Configures a device such as the console or a serial port.", "checker.html"},
    {"MORE", "Shows output a screen at a time: COMMAND | MORE.", "checker.html"},
    {"MOVE", "Moves files or renames folders: MOVE [/Y|/-Y] SOURCE DESTINATION.", "copy-and-move.html"},
    {"NET", "Network commands: NET USE, NET SHARE, NET START/STOP/PAUSE/CONTINUE SERVICE, NET SEND, NET TIME.", "network.html"},
    {"PAUSE", "Waits for a key press (\"Press any key to continue...\").", "keyboard-input.html"},
    {"POPD", "Returns to the folder PUSHD left.", "checker.html"},
    {"PUSHD", "Remembers the current folder and changes to another: PUSHD FOLDER.", "checker.html"},
    {"RD", "Removes an empty folder: RD FOLDER.", "delete-files.html"},
    {"REM", "A remark: the rest of the line is not run.", "checker.html"},
    {"REN", "Renames files: REN OLD NEW (NEW without a path).", "rename-and-new-directory.html"},
    {"RENAME", "Renames files: RENAME OLD NEW (NEW without a path).", "rename-and-new-directory.html"},
    {"RMDIR", "Removes an empty folder: RMDIR FOLDER.", "delete-files.html"},
    {"RUNAS", "Runs a program as another user: RUNAS /USER:NAME PROGRAM.", "run-program.html"},
    {"SET", "Shows, sets or removes a variable: SET NAME=VALUE (no blanks around =); use it as %NAME%.", "variables.html"},
    {"SETLOCAL", "Starts a local scope: variables set after it get back their values at ENDLOCAL.", "variables.html"},
    {"SHIFT", "Moves the batch file's parameters down by one: %2 becomes %1.", "run-program.html"},
    {"START", "Starts a program in its own window: START [\"TITLE\"] [/WAIT] [/MIN|/MAX] PROGRAM.", "run-program.html"},
    {"TIME", "Shows or sets the time.", "checker.html"},
    {"TITLE", "Sets the title of the console window: TITLE TEXT.", "checker.html"},
    {"TYPE", "Shows the contents of a text file: TYPE FILE.", "combine-files.html"},
    {"XCOPY", "Copies files and folder trees: XCOPY SOURCE DESTINATION [/S] [/E] [/Y].", "copy-and-move.html"},
}};

} // namespace

std::span<const CommandHelp> commandHelp() { return COMMANDS; }

std::optional<CommandHelp> commandHelpFor(std::string_view word) {
    for (const auto& entry : COMMANDS)
        if (text::equalsIgnoreCase(entry.word, word)) return entry;
    return std::nullopt;
}

} // namespace core::info
