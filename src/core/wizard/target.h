#pragma once
// Which command interpreter the wizard writes for: MS-DOS and Windows 9x, as
// it always has, or the command interpreter of Windows 10 and 11.
#include <optional>
#include <string_view>

namespace core::wizard {

enum class Target { Classic, Windows };

//! "classic" or "windows": the plan and settings spelling.
std::string_view targetKey(Target target);
//! The target of a plan or settings spelling, nothing for any other text.
std::optional<Target> targetOfKey(std::string_view key);
//! What the Easy layout's choice shows.
std::string_view targetLabel(Target target);

} // namespace core::wizard
