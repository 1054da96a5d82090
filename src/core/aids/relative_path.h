#pragma once
// Relative paths between DOS and Windows paths in document text (Windows-1252).
#include <string>
#include <string_view>

namespace core::aids {

//! The path of `path` relative to the directory `baseDirectory` (with or
//! without a trailing separator). Names are compared ignoring letter case;
//! a path on another drive than the base comes back unchanged.
//! Base C:\BATCH\TOOLS, path C:\BATCH\DATA\LIST.TXT -> ..\DATA\LIST.TXT.
std::string relativePath(std::string_view baseDirectory, std::string_view path);

} // namespace core::aids
