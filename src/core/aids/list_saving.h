#pragma once
// Saving an aid's list file, telling the user when it cannot be written.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/list_files.h"

#include <string>
#include <vector>

namespace core::aids {

//! Writes the list and sets its flag; a failed write leaves the old file and
//! the flag as they were and shows an error naming the file and the reason.
bool saveListOrReport(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                      settings::ListFile list, const std::vector<std::string>& entries);

} // namespace core::aids
