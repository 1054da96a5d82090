#pragma once
// The texts and hints of the editing aids' dialogs, in one
// place (what the aids insert and ask lives in core/aids/aid_texts.h).
namespace app::aids::texts {

// "Insert Command Template"
inline constexpr const char* TEMPLATES_CAPTION = "Insert Command Template";
inline constexpr const char* TEMPLATES_HEADING = "Select Command Template to insert:";
inline constexpr const char* INSERT_HINT = "Insert the selected template";
inline constexpr const char* CLOSE_HINT = "Close this dialogue box";
inline constexpr const char* ADD_HINT = "Adds a custom template to the list";

// "Insert Filename" and "Insert Path"
inline constexpr const char* FILENAME_CAPTION = "Insert Filename";
inline constexpr const char* FILENAME_HEADING = "Select filename to insert:";
inline constexpr const char* PATH_CAPTION = "Insert Path";
inline constexpr const char* PATH_HEADING = "Select path to insert:";
inline constexpr const char* STANDARD_HEADING = "Or select a standard directory below:";

// Buttons
inline constexpr const char* INSERT = "&Insert";
inline constexpr const char* CLOSE = "&Close";
inline constexpr const char* ADD = "&Add...";
inline constexpr const char* BROWSE = "&Browse...";

} // namespace app::aids::texts
