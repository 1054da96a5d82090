#pragma once
// Every warning and question the section generators show, in one place.
#include <string_view>

namespace core::wizard::texts {

// The update as a whole.
inline constexpr std::string_view UPDATE_REFUSED =
    "Nothing was written to the batch file: these sections are not complete yet.";

// File operations.
inline constexpr std::string_view FORGOT_FILES_TO_COPY = "Oops! You forgot to enter the file(s) to copy!";
inline constexpr std::string_view FORGOT_DESTINATION_DIRECTORY = "Oops! You forgot to enter the destination directory!";
inline constexpr std::string_view COPY_EXISTS =
    "This COPY command already exists in the batch file. Do you still wish to add it?";
inline constexpr std::string_view FORGOT_FILES_TO_MOVE = "Oops! You forgot to enter the file(s) to move!";
inline constexpr std::string_view FORGOT_DIRECTORY_TO_COPY = "Oops! You forgot to enter the directory to copy!";
inline constexpr std::string_view FORGOT_DESTINATION_DRIVE_DIRECTORY =
    "Oops! You forgot to enter the destination drive/directory!";
inline constexpr std::string_view XCOPY_EXISTS =
    "This XCOPY command already exists in the batch file. Do you still wish to add it?";
inline constexpr std::string_view FORGOT_FILES_TO_DELETE = "Oops! You forgot to enter the file(s) to delete!";
inline constexpr std::string_view FORGOT_DIRECTORY_TO_DELETE = "Oops! You forgot to enter the directory to delete!";
inline constexpr std::string_view FORGOT_FILE_TO_RENAME = "Oops! You forgot to enter the file to rename!";
inline constexpr std::string_view FORGOT_NEW_FILENAME = "Oops! You forgot to enter the new filename!";
inline constexpr std::string_view FORGOT_DIRECTORY_TO_RENAME = "Oops! You forgot to enter the directory to rename!";
inline constexpr std::string_view FORGOT_NEW_DIRECTORY_NAME_FOR_RENAME =
    "Oops! You forgot to enter the new name for the directory!";
inline constexpr std::string_view FORGOT_NEW_DIRECTORY = "Oops! You forgot to enter the new directory name!";

// User interaction.
inline constexpr std::string_view FORGOT_QUESTION = "Oops! You forgot to enter the question to be asked!";
inline constexpr std::string_view FORGOT_FIRST_KEY = "Oops! You forgot to enter the key to represent the first choice!";
inline constexpr std::string_view FORGOT_SECOND_KEY = "Oops! You forgot to enter the key to represent the second choice!";
inline constexpr std::string_view FORGOT_THIRD_KEY = "Oops! You forgot to enter the key to represent the third choice!";
inline constexpr std::string_view FORGOT_FIRST_PROGRAM = "Oops! You forgot to enter the program to run on the first choice!";
inline constexpr std::string_view FORGOT_FIRST_MESSAGE =
    "Oops! You forgot to enter the message to display on the first choice!";
inline constexpr std::string_view FORGOT_SECOND_PROGRAM =
    "Oops! You forgot to enter the program to run on the second choice!";
inline constexpr std::string_view FORGOT_SECOND_MESSAGE =
    "Oops! You forgot to enter the message to display on the second choice!";
inline constexpr std::string_view FORGOT_THIRD_PROGRAM = "Oops! You forgot to enter the program to run on the third choice!";
inline constexpr std::string_view FORGOT_THIRD_MESSAGE =
    "Oops! You forgot to enter the message to display on the third choice!";
inline constexpr std::string_view FORGOT_TIME_DELAY = "Oops! You forgot to enter the time delay (in seconds)!";

// Programs.
inline constexpr std::string_view FORGOT_PROGRAM = "Oops! You forgot to enter the program to run!";
inline constexpr std::string_view FORGOT_FILES_TO_OPEN = "Oops! You forgot to enter the file(s) to open!";

// FOR & file attributes.
inline constexpr std::string_view FORGOT_SUBST_PATH =
    "Oops! You forgot to enter the path that you want to substitute a drive letter for.";
inline constexpr std::string_view FORGOT_SUBST_LETTER =
    "Oops! You forgot to select the drive letter that will replace the full path.";

// Network sharing.
inline constexpr std::string_view FORGOT_SHARE_NAME = "Oops! You forgot to enter the name that the share will be known by.";
inline constexpr std::string_view FORGOT_SHARE_PATH = "Oops! You forgot to enter the path to the folder you want to share.";

// Network services.
inline constexpr std::string_view FORGOT_SERVICE_TO_START = "Oops! You forgot to select a service to start.";
inline constexpr std::string_view FORGOT_SERVICE_TO_STOP = "Oops! You forgot to select a service to stop.";
inline constexpr std::string_view FORGOT_SERVICE_TO_PAUSE = "Oops! You forgot to select a service to pause.";
inline constexpr std::string_view FORGOT_SERVICE_TO_CONTINUE =
    "Oops! You forgot to select a service to continue from a paused state.";

// Other network commands.
inline constexpr std::string_view FORGOT_MESSAGE_TEXT = "Oops! You forgot to enter the message to send.";
inline constexpr std::string_view FORGOT_TIME_COMPUTER =
    "Oops! You forgot to enter the name of the computer you wish to synchronise the time with.";
inline constexpr std::string_view FORGOT_TIME_DOMAIN = "Oops! You forgot to enter a domain to synchronise time with.";
inline constexpr std::string_view FORGOT_TIME_RTS_DOMAIN =
    "Oops! You forgot to enter a domain for the synchronisation of the clock to the RTS Server on the domain.";
inline constexpr std::string_view FORGOT_RUNAS_USER =
    "Oops! You forgot to enter the name of the user who you want to run the command as.";

// Sections that Windows 10 and 11 cannot run as asked.
inline constexpr std::string_view CHOICE_KEYS_NOT_ALPHANUMERIC =
    "CHOICE on Windows 10 and 11 takes only letters and digits as keys. Choose other keys.";
inline constexpr std::string_view NO_PRINTER_PORT =
    "Windows 10 and 11 print through printer drivers, not to the LPT1 port: choose \"Save to file\" instead.";
inline constexpr std::string_view NO_DOMAIN_MESSAGE =
    "Windows 10 and 11 cannot send a message to every computer of a domain: MSG reaches the sessions of one "
    "computer. Choose a user name or all users instead.";
inline constexpr std::string_view VALUE_WITHOUT_NAME =
    "A row of the variables holds a value but no name: SET on Windows 10 and 11 needs the name.";
inline constexpr std::string_view IF_WITHOUT_COMMAND =
    "The IF statement needs a command to run or a label to go to: Windows 10 and 11 refuse an IF without one.";
inline constexpr std::string_view FOR_WITHOUT_COMMAND =
    "The FOR statement needs a command after DO: Windows 10 and 11 refuse a FOR without one.";
inline constexpr std::string_view NO_DEVICE_TO_DISCONNECT =
    "On Windows 10 and 11, NET USE * /DELETE would drop every connection: give the drive letter of the HOME "
    "directory to disconnect.";

} // namespace core::wizard::texts
