#pragma once
// The update notice is a mail message whose body's first line is the announced
// version; the rest of the body is shown to the user as plain text.
#include <string>
#include <string_view>
#include <vector>

namespace core::info {

struct UpdateNotice {
    std::string version;            //!< the first line of the body, blanks trimmed
    std::vector<std::string> lines; //!< the lines after it, as UTF-8
};

//! Splits a raw message: the body starts after the first empty line (a message
//! without one is all body). The body is taken as UTF-8 when it is valid UTF-8,
//! and as Windows-1252 otherwise. Nothing else is decoded or interpreted.
UpdateNotice readNotice(std::string_view rawMessage);

} // namespace core::info
