#pragma once
// What start-up reads from the settings store and what shutdown writes back:
// the layout and wizard pages, the Welcome page, the window geometry, the
// dialogs' last folders, and the ignored-commands list.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/layouts.h"

#include <string>
#include <vector>

namespace core::settings {

struct StartupState {
    int wizardPage = 1;                 //!< 1 .. 7
    int networkPage = 1;                //!< 1 .. 4
    TopPage activePage = TopPage::Welcome;
    bool welcomeVisible = true;         //!< false: the Welcome page is removed until exit
    int height = 575;
    int width = 800;
    bool maximised = false;
    std::string openFolder;             //!< the Open dialog's initial folder
    std::string browseFolder;           //!< the wizard's browse dialog's initial folder
    std::string saveFolder;             //!< the Save dialog's initial folder
    bool loadIgnoreList = false;        //!< "Ignore.qlt" was written at the last exit
};

//! Reads the start-up values. programFolder ends in a separator; an empty
//! stored Open folder, or one relative to the program (the default
//! ".\\Examples"), is found inside the program folder.
StartupState readStartupState(ports::SettingsStore& store, const std::string& programFolder);

struct ShutdownState {
    TopPage activePage = TopPage::Welcome;
    int wizardPage = 1;
    int networkPage = 1;
    bool welcomePageExists = true;      //!< it was not removed at start-up
    bool welcomeVisible = true;
    bool maximised = false;
    int height = 575;
    int width = 800;
    std::vector<std::string> ignoredCommands;
    std::string openDialogFileName;     //!< each dialog's current file name; its
    std::string browseDialogFileName;   //!< folder part is stored
    std::string saveDialogFileName;
};

//! Writes the shutdown values in order: pages, Welcome visibility, geometry,
//! the ignored-commands list (an error message when it cannot be written),
//! then the dialogs' folders.
void writeShutdownState(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                        const ShutdownState& state);

//! The folder part of a file name, separator included; empty when it has none.
std::string folderOf(const std::string& fileName);

} // namespace core::settings
