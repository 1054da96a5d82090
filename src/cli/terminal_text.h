#pragma once
// Text bound for a terminal: control characters (C0, DEL, and C1 encoded in
// UTF-8) are shown as escapes such as \x1b, so a file's or a plan's contents
// cannot clear the screen, retitle the window or hide lines.
#include <string>
#include <string_view>

namespace cli {

std::string escapeControls(std::string_view text);

} // namespace cli
