#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

//! Whether the file uses anything the classic DOS interpreter does not have
//! and only today's Windows command interpreter understands: SETLOCAL and
//! ENDLOCAL, PUSHD and POPD, EXIT /B, CALL :LABEL, GOTO :EOF, IF /I, IF
//! DEFINED, IF ... ( blocks and ELSE, FOR /F /D /R /L, SET /A and SET /P,
//! %~ modifiers and %VAR:~ substrings, !VAR!, && and ||, the comparison
//! words EQU NEQ LSS LEQ GTR GEQ, 2> redirections, switches DOS lacked (CD /D,
//! RD /S, DEL /Q), dynamic variables (%ERRORLEVEL%, %CD%, %DATE%), %*, EXIT
//! with a code, blocks, '^' line continuation, quoted program paths, and calls
//! of programs of today's Windows or of build tools (REG, WMIC, ROBOCOPY,
//! CMAKE, PYTHON ...). One such use is enough.
bool usesCmdFeatures(const std::vector<std::string>& lines);
bool usesCmdFeatures(std::span<const std::string_view> lines);

} // namespace core::cmdcheck
