#pragma once
// The two ways a file reaches the program from outside: the command line of
// the launch, and the open request a second launch sends to the running one.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::documents {

//! The files named on the command line (arguments without the program's own
//! name), in order. "/newfile" (exactly, letter case counts) names none: with
//! no file named the window starts with a new untitled document.
std::vector<std::string> filesFromCommandLine(const std::vector<std::string>& arguments);

//! The path of an open request: its first line must begin with "[open(" and
//! read "[open(" + '"' + path + '"' + ")]"; the path ends at the first '"'
//! followed by ")]". Anything else, and an empty path, is no request.
std::optional<std::string> parseOpenRequest(std::string_view request);

} // namespace core::documents
