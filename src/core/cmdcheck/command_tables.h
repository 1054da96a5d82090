#pragma once
// What the Windows command interpreter knows by name: its internal commands
// and the programs a Windows machine (or a usual build machine) has. Names are
// upper case; add a program by adding its name to the table in the .cpp file.
#include <string_view>

namespace core::cmdcheck {

//! An internal command of the interpreter (ECHO, SET, IF ...); `upper` is upper case.
bool isInternalCommand(std::string_view upper);
//! A program of the table of known programs (REG, PING, ROBOCOPY ...).
bool isKnownProgram(std::string_view upper);

//! The known command `upper` is most likely a misspelling of, or nothing: only
//! words of four letters or more, one slip away (a letter added, dropped,
//! changed or two swapped; two slips for words of eight letters or more).
std::string_view nearMissCommand(std::string_view upper);

//! Restricted Damerau-Levenshtein distance, stopping early above `limit`.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit);

} // namespace core::cmdcheck
