#pragma once
// Windows system calls behind the ports, spoken in UTF-8 as the ports are.
#include <string>
#include <vector>

namespace platform::windows {

//! The system's 8.3 form of an existing path (GetShortPathNameW); the path
//! as given when the volume keeps no short names or the path cannot be resolved.
std::string systemShortPath(const std::string& utf8Path);

//! The program's arguments as UTF-8, without the program name: the narrow
//! argv of a Windows program loses every character outside the ANSI code page.
std::vector<std::string> utf8Arguments();

} // namespace platform::windows
