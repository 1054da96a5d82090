#pragma once
// Every text the editing aids show or write, in one place.
#include <array>
#include <string_view>

namespace core::aids::texts {

//! The built-in command templates, in the order they are listed.
inline constexpr std::array<std::string_view, 11> BUILT_IN_TEMPLATES = {
    "COPY [sourcefilepath] [destinationfilepath] [/Y] [/V]",
    "DEL [filepath] [/P]",
    "DELTREE [/Y] [dirpath1] [dirpath2]",
    "DIR [dirpath] [/P] [/W] [/S]",
    "ECHO OFF",
    "ECHO ON",
    "MKDIR [dirpath]",
    "MOVE [sourcefilepath] [destinationdirpath] [/Y]",
    "PAUSE",
    "REM",
    "RENAME [filename] [newfilename]",
};

struct TemplateDescription {
    std::string_view templateText;
    std::string_view description;
};

//! Descriptions of the built-in templates, in the order they are looked up.
inline constexpr std::array<TemplateDescription, 9> TEMPLATE_DESCRIPTIONS = {{
    {"DELTREE [/Y] [dirpath1] [dirpath2]",
     "This command will delete the specified directory or directories and all of the files and subdirectories "
     "within it. Switches: Y - No prompting for removal of subdirectories."},
    {"REM",
     "Starting a line with 'REM' will comment it out. When running a batch file anything after 'REM' is ignored. "
     "This is useful for including brief explanatory notes in the batch file to explain the function of a "
     "command for example."},
    {"PAUSE",
     "The PAUSE command can be used to halt the execution of the batch file and wait for a key to be pressed "
     "before continuing."},
    {"MKDIR [dirpath]", "The MKDIR command allows you to create a new directory."},
    {"DEL [filepath] [/P]",
     "This command will delete the specified file or files. Switches: /P - Prompt for a confirmation before "
     "deleting any files."},
    {"ECHO OFF",
     "The ECHO OFF command will hide command echoing - that is, the displaying of the batch file commands to the "
     "screen. See also ECHO ON."},
    {"ECHO ON",
     "The ECHO ON command will display the batch file commands on the screen during the execution of the batch "
     "file. See also ECHO OFF."},
    {"RENAME [filename] [newfilename]", "This command will allow you to rename a file or directory."},
    {"MOVE [sourcefilepath] [destinationdirpath] [/Y]",
     "This command will move the specified files to the specified directory. Switches: /Y - Prompts for "
     "confirmation before overwriting an existing file if the file you are moving has the same name as a file "
     "already existing in the directory you are moving it to."},
}};

inline constexpr std::string_view NO_DESCRIPTION = "Information is not currently available on the selected command";
inline constexpr std::string_view DESCRIPTION_PROMPT = "Select a command to view its description";
inline constexpr std::string_view ADD_TEMPLATE_CAPTION = "Add New Template";
inline constexpr std::string_view ADD_TEMPLATE_PROMPT = "Please enter the template you would like to add:";

inline constexpr std::string_view RELATIVE_BASE_TITLE = "Directory to make path relative to:";

inline constexpr std::string_view INSERT_FILENAME_FILTER = "All Files (*.*)|*.*";
inline constexpr std::string_view INSERT_PATH_TITLE = "Select Directory to insert:";

struct StandardDirectory {
    std::string_view entry;
    std::string_view notation;
};

//! The standard directories of Insert Path, in the order they are listed.
inline constexpr std::array<StandardDirectory, 5> STANDARD_DIRECTORIES = {{
    {"Windows Directory", "%windir%"},
    {"Root Directory of Current Drive", "\\"},
    {"Grandparent Directory", "..."},
    {"Parent Directory", ".."},
    {"Current Directory", "."},
}};

inline constexpr std::string_view INSERT_BATCH_FILTER =
    "Programs|*.exe;*.bat|Text Files|*.bat;*.txt;*.htm;*.html;*.rtf;*.qlt;*.abw;*.log;*.eml|All Files|*.*";
inline constexpr std::size_t INSERT_BATCH_FILTER_SHOWN = 2; // "All Files"
inline constexpr std::string_view INSERT_BATCH_FOLDER = "/";

//! A list file that could not be written: its path and the system's reason follow.
inline constexpr std::string_view LIST_NOT_SAVED = "Quillet could not save ";

} // namespace core::aids::texts
