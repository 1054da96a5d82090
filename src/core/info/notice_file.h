#pragma once
// "&Save" of the update-information window: the view's lines to "Updateinfo.txt".
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace core::info {

//! Writes the lines (UTF-8) to "Updateinfo.txt" in the data folder, with CR LF
//! after every line: as Windows-1252 when every character has a byte there,
//! as UTF-8 otherwise so that nothing is lost. A failure is shown as an error.
//! Returns the path written, or nothing.
std::optional<std::string> saveNotice(ports::FileSystem& files, ports::Prompter& prompter,
                                      const std::vector<std::string>& lines);

} // namespace core::info
