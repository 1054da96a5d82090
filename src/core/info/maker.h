#pragma once
// The maker's addresses, in one place. They are placeholders under the
// reserved ".example" domain until the maker publishes real ones.
#include <string_view>

namespace core::info {

inline constexpr std::string_view MAKER_WEBSITE = "https://www.marrowfen.example/quillet/";
inline constexpr std::string_view SUPPORT_ADDRESS = "support@marrowfen.example";
inline constexpr std::string_view MAKER_ADDRESS = "quillet@marrowfen.example";

} // namespace core::info
