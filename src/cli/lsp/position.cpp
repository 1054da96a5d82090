#include "cli/lsp/position.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cli::lsp {
namespace {

constexpr std::uint64_t MAX_UINTEGER = 2147483647;

std::size_t uinteger(const nlohmann::json& position, const char* name) {
    const nlohmann::json& value = position.at(name);
    // Only whole numbers that are not negative parse as unsigned.
    if (!value.is_number_unsigned() || value.get<std::uint64_t>() > MAX_UINTEGER)
        throw std::invalid_argument(std::string("position.") + name + " must be a whole number from 0 to " +
                                    std::to_string(MAX_UINTEGER));
    return static_cast<std::size_t>(value.get<std::uint64_t>());
}

} // namespace

Position positionOf(const nlohmann::json& position) {
    return {uinteger(position, "line"), uinteger(position, "character")};
}

} // namespace cli::lsp
