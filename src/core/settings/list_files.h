#pragma once
// The plain-text list files kept in the per-user data folder: one entry per
// line, CR LF after each. A list file is read only when its flag in the
// "Templates" section says it exists; its writer sets the flag after writing.
#include "core/ports/file_system.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace core::settings {

enum class ListFile { Ignore, Custom, Files, Paths, Services };

std::string_view fileName(ListFile list);
Setting flagOf(ListFile list);
std::string pathOf(ports::FileSystem& files, ListFile list);

//! Reads the list when its flag is set; a missing or unreadable file gives an
//! empty list (the flag is left alone and start-up goes on).
std::vector<std::string> loadList(ports::SettingsStore& store, ports::FileSystem& files, ListFile list);

//! Writes the list atomically and sets its flag; on failure the old file stays
//! as it was, and for "Ignore.qlt" the flag goes back to 0.
text::WriteResult saveList(ports::SettingsStore& store, ports::FileSystem& files, ListFile list,
                           const std::vector<std::string>& entries);

} // namespace core::settings
