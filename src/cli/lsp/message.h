#pragma once
// Reading one message body as JSON within bounds: a body nesting too deep or
// holding too many values is refused while it is read, before building the
// tree (or copying it, which recurses) can exhaust the stack or the memory.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace cli::lsp {

using Json = nlohmann::json;

//! Levels of arrays and objects a message may nest; the protocol's own go about six deep.
constexpr int MAX_DEPTH = 64;
//! Values one message may hold; a whole document is one string value, and the
//! largest of the protocol's own (a client's capabilities) hold some hundreds.
constexpr std::size_t MAX_VALUES = std::size_t{1} << 18;

//! Why a body was refused.
struct Refusal {
    int code;
    std::string message;
};

//! The body's JSON, or why it was refused.
std::variant<Json, Refusal> parseMessage(std::string_view body);

} // namespace cli::lsp
