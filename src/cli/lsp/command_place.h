#pragma once
// Where a command word may start: at the line's start, after a separator
// ("@", "(", ")", "&", "|"), after a whole IF condition (IF ERRORLEVEL 1,
// IF NOT EXIST x, IF /I "a"=="b", IF DEFINED x, several in a row) and after
// the DO of a FOR or the ELSE of an IF.
#include <string_view>

namespace cli::lsp {

//! Whether a command word may follow `text`, the line up to the blanks before the word.
bool commandMayFollow(std::string_view text);

} // namespace cli::lsp
