#include "cli/lsp/message.h"

namespace cli::lsp {
namespace {

constexpr int PARSE_ERROR = -32700;
constexpr int INVALID_REQUEST = -32600;

struct TooBig {
    std::string why;
};

} // namespace

std::variant<Json, Refusal> parseMessage(std::string_view body) {
    std::size_t values = 0;
    // `depth` counts the arrays and objects around the event.
    const auto limit = [&values](int depth, Json::parse_event_t event, Json&) {
        const bool opens = event == Json::parse_event_t::array_start || event == Json::parse_event_t::object_start;
        if (opens && depth >= MAX_DEPTH)
            throw TooBig{"the message nests deeper than " + std::to_string(MAX_DEPTH) + " levels"};
        if ((opens || event == Json::parse_event_t::value) && ++values > MAX_VALUES)
            throw TooBig{"the message holds more than " + std::to_string(MAX_VALUES) + " values"};
        return true;
    };
    try {
        Json message = Json::parse(body, limit, /*allow_exceptions=*/false);
        if (message.is_discarded()) return Refusal{PARSE_ERROR, "not JSON"};
        return message;
    } catch (const TooBig& e) {
        return Refusal{INVALID_REQUEST, e.why};
    }
}

} // namespace cli::lsp
