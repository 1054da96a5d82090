#pragma once
// The files open at exit, to open again at the next start: stored as one text,
// the paths in tab order separated by "|" (a "|" or "%" inside a path is
// written %7C or %25), and the number of the one in front.
#include "core/ports/settings_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core::settings {

struct Session {
    std::vector<std::string> files; //!< in tab order
    std::size_t front = 0;          //!< index into files
    bool operator==(const Session&) const = default;
};

std::string encodeSessionFiles(const std::vector<std::string>& files);
//! The paths of a stored text. Empty entries and repeats are dropped; an
//! entry with a broken escape is dropped too, the others kept.
std::vector<std::string> decodeSessionFiles(std::string_view stored);

void writeSession(ports::SettingsStore& store, const Session& session);
//! The session to open at start: none when the user turned restoring off or
//! named a file on the command line. A front past the last file is the first.
Session sessionToRestore(ports::SettingsStore& store, bool fileNamed);

} // namespace core::settings
