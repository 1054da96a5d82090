#pragma once
// Replies of a POP3 server that the client has to read itself.
#include <optional>
#include <string_view>

namespace core::info {

//! The message count of the last STAT reply ("+OK 2 320") among the reply
//! lines a server sent; nothing when the last reply line is not one.
std::optional<int> parseStatReply(std::string_view replyLines);

} // namespace core::info
