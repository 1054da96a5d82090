#pragma once
// Pieces of lines that differ between the targets: how a path or a text is
// written so that the target's interpreter reads it as the user typed it.
#include "core/wizard/generator_context.h"

#include <string>
#include <string_view>

namespace core::wizard {

//! A path as an argument: the classic target writes its short (8.3) form; the
//! Windows target writes the long path in double quotes, because short names
//! may be turned off on today's volumes and blanks, '&' and parentheses split
//! or end an unquoted argument.
std::string pathArgument(GeneratorContext& context, std::string_view path);

//! Double quotes around a text unless it is quoted already.
std::string quotedOnce(std::string_view text);

//! A text in double quotes for the target: the classic target always adds
//! them, the Windows target not to a text the user quoted already.
std::string quotedFor(Target target, std::string_view text);

//! Double quotes around a name only when it holds a blank or a character the
//! interpreter reads as an operator; other names stay as typed.
std::string quotedWhenNeeded(std::string_view text);

//! Free text for the end of a line (ECHO, MSG): a caret before each of & | < > ^
//! so the interpreter prints them instead of acting on them.
std::string escapedText(std::string_view text);

//! A folder and a file name joined by one backslash (none when the folder is
//! empty or already ends in one).
std::string joinedPath(std::string_view folder, std::string_view name);

} // namespace core::wizard
