#pragma once
// The Easy layout's own texts that no control caption carries: dialog
// captions, explanations and hints.
namespace app::wizard::texts {

inline constexpr const char* UPDATE_OPTIONS_CAPTION = "Select Batch File Update Options";
inline constexpr const char* UPDATE_OPTIONS_EXPLANATION =
    "Please check the commands selected below and alter them as needed. Use the buttons beside the list to "
    "change the order in which the commands are added to the batch file, or remove the tick from a command "
    "to leave it out.";
inline constexpr const char* MOVE_UP_HINT = "Move the selected command up";
inline constexpr const char* TICK_HINT = "Include or leave out the selected command";
inline constexpr const char* MOVE_DOWN_HINT = "Move the selected command down";
inline constexpr const char* TARGET_HINT = "Batch File to add the commands to";

inline constexpr const char* RESET_CAPTION = "Reset Choices";
inline constexpr const char* RESET_QUESTION = "What options do you wish to clear?";

inline constexpr const char* ADD_SERVICE_CAPTION = "Add a new service";
inline constexpr const char* ADD_SERVICE_PROMPT = "Name of service (if necessary, include path):";

inline constexpr const char* VARIABLE_CAPTION = "Variable Select";
inline constexpr const char* VARIABLE_HEADING = "Select variable name:";
inline constexpr const char* LABEL_CAPTION = "Available Labels";
inline constexpr const char* LABEL_HEADING = "Select label:";

inline constexpr const char* VARIABLE_HINT = "Allows you to select a variable that you have defined from a list";
inline constexpr const char* LABEL_HINT =
    "Allows you to select a label that is available in the current batch file from a list";
inline constexpr const char* FOR_ARGUMENTS_HINT = "Advanced: %%f denotes filename";
inline constexpr const char* FILE_IS_INSERTED_1 = "Filename is automatically inserted";
inline constexpr const char* FILE_IS_INSERTED_2 = "here when running";
inline constexpr const char* SERVER_NOTICE = "Please note - the commands in this section will only work with "
                                             "Microsoft\u00AE Windows NT\u00AE and Windows 2000\u00AE Servers.";
inline constexpr const char* RUN_AS_ACCOUNT = "Run as user (COMPUTER\\User, DOMAIN\\User or User@Domain):";
inline constexpr const char* SHARE_FOLDER_CAPTION = "Directory to share:";
inline constexpr const char* COPY_FOLDER_CAPTION = "Select Directory to copy:";
inline constexpr const char* REMOVE_FOLDER_CAPTION = "Select Directory to remove:";
inline constexpr const char* SUBST_FOLDER_CAPTION = "Select directory to substitute with a drive letter:";
inline constexpr const char* IF_FOLDER_CAPTION = "Select the directory to check for:";

} // namespace app::wizard::texts
