#pragma once
// Short (8.3) path names.
#include "core/ports/file_system.h"

#include <string>
#include <string_view>

namespace core::aids {

//! The conventional 8.3 alias of a path that cannot be resolved on this
//! machine, name by name between separators (which stay as typed). Works on
//! document text (Windows-1252). A drive prefix "X:", a UNC prefix
//! "\\server\share", names made of dots only ("." "..", "..."), wildcard
//! patterns and names that are already valid 8.3 names stay as typed.
//! "C:\Program Files\My Backup.bat" -> "C:\PROGRA~1\MYBACK~1.BAT".
std::string conventionalShortPath(std::string_view path);

//! The conventional alias of a path given in the file system's encoding (UTF-8).
std::string conventionalShortPathUtf8(const std::string& utf8Path);

//! True when a single path name is a valid 8.3 name as typed.
bool isValid83Name(std::string_view name);

//! The short form of a path given as document text (Windows-1252), through the
//! file system port (which speaks UTF-8): what the wizard and insert aids write.
std::string shortPathOfText(ports::FileSystem& files, std::string_view cp1252Path);

} // namespace core::aids
