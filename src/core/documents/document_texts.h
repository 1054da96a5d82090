#pragma once
// Every fixed text of the document commands.
#include <string>
#include <string_view>

namespace core::documents {

inline constexpr std::string_view PROGRAM_NAME = "Quillet";
inline constexpr std::string_view UNTITLED_PREFIX = "Untitled";
inline constexpr std::string_view UNTITLED_EXTENSION = ".bat";
//! The two lines of a new document.
inline constexpr std::string_view NEW_FILE_LINE_1 = "@ECHO OFF";
inline constexpr std::string_view NEW_FILE_LINE_2 = ":START";
//! Save As adds this line unless the document holds it (in any letter case).
inline constexpr std::string_view SAVE_AS_LINE =
    "ECHO This Batch file was created with the Quillet from Marrowfen Software.";

//! The status bar's note after Save As added the line.
inline constexpr std::string_view SAVE_AS_LINE_NOTE =
    "Save As added the line \"ECHO This Batch file was created with ...\" at the end (Editor Options turns this off).";

inline constexpr std::string_view OPEN_TITLE = "Open Batch File";
inline constexpr std::string_view OPEN_FILTER =
    "Batch Files (*.bat)|*.bat|Text Files (*.txt)|*.txt|All Files (*.*)|*.*|QLT Config Files (*.qlt)|*.qlt";
inline constexpr std::string_view SAVE_TITLE = "Save Batch File";
inline constexpr std::string_view SAVE_FILTER = "Batch File (*.bat)|*.bat|Text File (*.txt)|*.txt";
inline constexpr std::string_view SAVE_EXTENSION = "bat";

inline std::string savePrompt(std::string_view displayName) {
    return "Would you like to save " + std::string(displayName) + "?";
}
inline std::string readError(std::string_view path, std::string_view error) {
    return "Cannot open file \"" + std::string(path) + "\". " + std::string(error);
}
//! size is the file's size as sizeText gives it.
inline std::string tooLargeError(std::string_view path, std::string_view size) {
    return "Cannot open file \"" + std::string(path) + "\". It is " + std::string(size) +
           ", and Quillet opens files of up to 64 MB: the editor keeps several copies of the text in memory, and "
           "a batch file is seldom more than a few hundred KB.";
}
inline std::string outOfMemoryError(std::string_view path) {
    return "Cannot open file \"" + std::string(path) + "\". There is not enough memory to hold it.";
}
inline std::string writeError(std::string_view path, std::string_view error) {
    return "Cannot create file \"" + std::string(path) + "\". " + std::string(error);
}
//! characterUtf8 is the character itself, codePoint its "U+20AC" form.
inline std::string unencodableQuestion(std::string_view characterUtf8, std::string_view codePoint, std::size_t line,
                                       std::string_view encoding) {
    return "Line " + std::to_string(line) + " holds the character \"" + std::string(characterUtf8) + "\" (" +
           std::string(codePoint) + "), which " + std::string(encoding) +
           " cannot hold.\n\nSave the file as UTF-8 instead? (No: nothing is written; replace or remove the "
           "character, or choose another encoding.)";
}
//! The one-time note on saving Windows-1252 text that a console shows
//! differently. Yes, the first button, keeps the encoding.
inline std::string consoleQuestion(std::string_view example) {
    return "This file is saved as Windows-1252, but a console reads batch files in its OEM code page (850 or "
           "437), so characters such as \"" + std::string(example) + "\" print differently there.\n\n"
           "Keep saving it as Windows-1252? (No: save it as OEM 850, which a console shows as written.)";
}
//! Asked when the window comes to the front and the file has changed on disk.
inline std::string outsideChangeQuestion(std::string_view displayName, bool modifiedHere) {
    return std::string(displayName) + " was changed by another program.\n\nReload it?" +
           (modifiedHere ? " (The changes made here are lost.)" : "");
}
//! Asked before Save writes over a file that changed on disk.
inline std::string overwriteQuestion(std::string_view displayName) {
    return std::string(displayName) + " was changed by another program since it was opened or last saved.\n\n"
           "Reload it? (Yes: read the file again; the changes made here are lost. No: overwrite it with this "
           "version. Cancel: save nothing.)";
}
inline std::string outsideDeleteNote(std::string_view displayName) {
    return std::string(displayName) + " was deleted or moved by another program. It stays open here; Save writes it again.";
}
inline std::string reopenPrompt(std::string_view displayName, std::string_view encoding) {
    return "Reopen " + std::string(displayName) + " as " + std::string(encoding) + "? Changes not saved are lost.";
}

} // namespace core::documents
