#include "core/info/pop3_reply.h"

#include "core/text/lines.h"

#include <charconv>

namespace core::info {

std::optional<int> parseStatReply(std::string_view replyLines) {
    const auto lines = text::splitLines(replyLines);
    if (lines.empty()) return std::nullopt;
    std::string_view last = lines.back();
    constexpr std::string_view OK = "+OK ";
    if (!last.starts_with(OK)) return std::nullopt;
    last.remove_prefix(OK.size());
    int count = 0;
    const auto [end, ec] = std::from_chars(last.data(), last.data() + last.size(), count);
    // "+OK n size": the count is followed by a blank and the mailbox size.
    if (ec != std::errc() || count < 0 || end == last.data() + last.size() || *end != ' ') return std::nullopt;
    return count;
}

} // namespace core::info
