#pragma once
// A position as the protocol sends it: a 0-based line and a UTF-16 offset in
// it, each a whole number from 0 to 2^31 - 1. Anything else (negative, a
// fraction, 1e300, text) is refused, never converted.
#include <nlohmann/json.hpp>

#include <cstddef>

namespace cli::lsp {

struct Position {
    std::size_t line = 0;
    std::size_t character = 0;
};

//! Reads {"line": L, "character": C}; throws std::invalid_argument naming the bad field.
Position positionOf(const nlohmann::json& position);

} // namespace cli::lsp
