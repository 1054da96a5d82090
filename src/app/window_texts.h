#pragma once
// The main window's own texts (the documents, settings and checker texts live
// with their logic in core).
namespace app::texts {

inline constexpr auto TITLE = "Quillet";
inline constexpr auto STATUS_NOTICE = "Quillet - batch files made easy. Press F1 for help";
inline constexpr auto EXIT_QUESTION = "Are you sure you want to exit?";
inline constexpr auto SCREEN_TOO_SMALL =
    "There was an error when starting the Quillet. Please make sure that your screen resolution is 800x600 or "
    "larger and restart the program. If this message appears although your screen is large enough, please send a "
    "screen shot of your desktop to Marrowfen Software technical support at support@marrowfen.example.";
inline constexpr auto WELCOME_PROMPT = "Choose one of the options below to start using the Quillet:";
inline constexpr auto WELCOME_EASY_PURPOSE =
    "A wizard: tick what the batch file should do and Quillet writes the commands.";
inline constexpr auto WELCOME_ADVANCED_PURPOSE =
    "The editor: write batch files yourself, with command templates and the syntax checker.";
inline constexpr auto WELCOME_RECENT = "Or open a recent file:";
inline constexpr auto EASY_HEADING = "I want to...";
inline constexpr auto PRINT_JOB_PREFIX = "Quillet: ";

// Go to line.
inline constexpr auto GOTO_CAPTION = "Goto Line Number";
inline constexpr auto GOTO_PROMPT = "Line that you want to jump to:";

} // namespace app::texts
