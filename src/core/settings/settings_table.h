#pragma once
// Every value of the settings store: section, name, type, default and valid
// range, written down once. Code reads and writes values through this table.
#include "core/ports/settings_store.h"

#include <span>
#include <string>
#include <string_view>

namespace core::settings {

enum class ValueType { Text, Integer, Boolean, Colour };

enum class Setting {
    EasyActive, EasyNetActive, Active, Hidden, Height, Width, Window,
    LastOpen1Path, LastOpen2Path, LastSavePath,
    FontName, FontSize, Background, Text, CmdText, LabelText, CmtText,
    ProblemReport, //!< how a check reports: 0 by its rules, 1 message boxes, 2 the Problems list only
    SaveAsLine,    //!< Save As adds the "created with" line
    RecentFile1, RecentFile2, RecentFile3,
    IgnoreFlag, CustomFlag, FilesFlag, PathsFlag, NetServicesFlag,
    UpdateServers, UpdatePassword, UpdateSecurity, UpdateDownloadAddress,
    DefaultEncoding, WarnConsoleCharacters,
    CheckRules,
    WizardTarget, //!< what the Easy layout writes for: "windows" or "classic"
    CheckAsYouType, //!< check the document in front while the user types
    RestoreSession, //!< reopen the files open at the last exit
    SessionFiles,   //!< the files open at the last exit, in tab order (see session.h)
    SessionFront,   //!< which of them was in front (0-based)
};

struct SettingDef {
    Setting id;
    std::string_view section;
    std::string_view name;
    ValueType type;
    std::string_view textDefault; //!< Text and Colour values
    int intDefault;               //!< Integer and Boolean values (0/1)
    int minimum;                  //!< valid range of Integer values; out of range reads as
    int maximum;                  //!< the nearest bound (sizes) or the default (codes)
    bool clamp;                   //!< true: clamp to the range; false: use the default
};

inline constexpr std::string_view PREVIOUS_EXEC = "PreviousExec";
inline constexpr std::string_view OPTIONS = "Options";
inline constexpr std::string_view RECENT = "Recent";
inline constexpr std::string_view TEMPLATES = "Templates";
inline constexpr std::string_view UPDATE = "Update";
inline constexpr std::string_view SESSION = "Session";

//! All values, in the order of the store's documentation.
std::span<const SettingDef> allSettings();
const SettingDef& definition(Setting id);

//! Typed access: a value of the wrong type or out of range reads as its default
//! (or is clamped, for sizes); a Colour reads as its text, checked by colour_name.
std::string readText(ports::SettingsStore& store, Setting id);
int readInteger(ports::SettingsStore& store, Setting id);
bool readBool(ports::SettingsStore& store, Setting id);
void writeText(ports::SettingsStore& store, Setting id, std::string_view value);
void writeInteger(ports::SettingsStore& store, Setting id, int value);
void writeBool(ports::SettingsStore& store, Setting id, bool value);

} // namespace core::settings
