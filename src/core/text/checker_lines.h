#pragma once
// The checker reads one byte per character, in Windows-1252. A document's text
// is UTF-8; these functions give the checker its view of a line and map the
// checker's character columns back to byte offsets in the UTF-8 line.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core::text {

//! Stands for a character Windows-1252 has no byte for.
inline constexpr char MISSING_CHARACTER = '?';

//! One Windows-1252 byte per character of a UTF-8 line; characters the code
//! page lacks become MISSING_CHARACTER. Columns of the result are character
//! columns of the line, so for Windows-1252 text the checker sees exactly the
//! bytes of the file.
std::string oneBytePerCharacter(std::string_view utf8Line);
std::vector<std::string> oneBytePerCharacter(const std::vector<std::string>& utf8Lines);

//! The byte offset in a UTF-8 line of the character at `column` (0-based); the
//! line's length for a column at or past its end.
std::size_t byteOffsetOfColumn(std::string_view utf8Line, std::size_t column);

//! The number of characters in the first `byteOffset` bytes of a UTF-8 line.
std::size_t columnOfByteOffset(std::string_view utf8Line, std::size_t byteOffset);

} // namespace core::text
