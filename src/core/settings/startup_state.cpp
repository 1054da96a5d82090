#include "core/settings/startup_state.h"

#include "core/settings/list_files.h"
#include "core/settings/settings_table.h"

namespace core::settings {
namespace {

constexpr std::string_view IGNORE_NOT_SAVED =
    "The file 'Ignore.qlt' could not be saved. This file contains the 'Ignored Commands' specified whilst "
    "running the syntax checker. If you are running QLT on Windows 2000 or Windows XP, you will see this "
    "message if you are not an administrator.";

// The layout by its stored number; a number no layout bears gives Advanced.
TopPage topPageOf(int stored) {
    switch (stored) {
    case 2: return TopPage::Easy;
    case 5: return TopPage::Welcome;
    default: return TopPage::Advanced;
    }
}

std::string folderOr(ports::SettingsStore& store, Setting id, const std::string& fallback) {
    auto folder = readText(store, id);
    return folder.empty() ? fallback : folder;
}

// The Open dialog's folder: a stored folder relative to the program (the
// default ".\Examples") or none at all means one inside the program's own.
std::string openFolderOf(ports::SettingsStore& store, const std::string& programFolder) {
    auto folder = readText(store, Setting::LastOpen1Path);
    if (folder.empty()) return programFolder + "Examples";
    if (folder.starts_with(".\\") || folder.starts_with("./")) return programFolder + folder.substr(2);
    return folder;
}

} // namespace

StartupState readStartupState(ports::SettingsStore& store, const std::string& programFolder) {
    StartupState state;
    state.wizardPage = readInteger(store, Setting::EasyActive);
    state.networkPage = readInteger(store, Setting::EasyNetActive);
    const auto& active = definition(Setting::Active);
    const auto stored = topPageOf(store.readInteger(active.section, active.name, active.intDefault));
    state.welcomeVisible = readBool(store, Setting::Hidden);
    // Welcome mode shows the Welcome page alone; without it the stored layout
    // is taken again, and a stored Welcome means Advanced.
    state.activePage = state.welcomeVisible ? TopPage::Welcome
                       : stored == TopPage::Welcome ? TopPage::Advanced
                                                    : stored;
    state.height = readInteger(store, Setting::Height);
    state.width = readInteger(store, Setting::Width);
    state.maximised = readInteger(store, Setting::Window) == 2;
    state.openFolder = openFolderOf(store, programFolder);
    state.browseFolder = folderOr(store, Setting::LastOpen2Path, "\\");
    state.saveFolder = folderOr(store, Setting::LastSavePath, "\\");
    state.loadIgnoreList = readInteger(store, Setting::IgnoreFlag) == 1;
    return state;
}

void writeShutdownState(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                        const ShutdownState& state) {
    writeInteger(store, Setting::Active, static_cast<int>(state.activePage));
    writeInteger(store, Setting::EasyActive, state.wizardPage);
    writeInteger(store, Setting::EasyNetActive, state.networkPage);
    if (state.welcomePageExists) writeBool(store, Setting::Hidden, state.welcomeVisible);
    // A maximised window keeps the size it had when last shown normally.
    if (!state.maximised) {
        writeInteger(store, Setting::Height, state.height);
        writeInteger(store, Setting::Width, state.width);
    }
    writeInteger(store, Setting::Window, state.maximised ? 2 : 1);
    writeInteger(store, Setting::IgnoreFlag, 1);
    // The fixed text says what the file is for; the system's reason says why it failed.
    if (const auto saved = saveList(store, files, ListFile::Ignore, state.ignoredCommands); !saved.ok)
        prompter.message(ports::MessageKind::Error, ports::Buttons::Ok,
                         std::string(IGNORE_NOT_SAVED) + "\n\n" + saved.error + ".");
    writeText(store, Setting::LastOpen1Path, folderOf(state.openDialogFileName));
    writeText(store, Setting::LastOpen2Path, folderOf(state.browseDialogFileName));
    writeText(store, Setting::LastSavePath, folderOf(state.saveDialogFileName));
}

std::string folderOf(const std::string& fileName) {
    const auto cut = fileName.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : fileName.substr(0, cut + 1);
}

} // namespace core::settings
