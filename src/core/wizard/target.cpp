#include "core/wizard/target.h"

namespace core::wizard {

std::string_view targetKey(Target target) { return target == Target::Windows ? "windows" : "classic"; }

std::optional<Target> targetOfKey(std::string_view key) {
    if (key == "windows") return Target::Windows;
    if (key == "classic") return Target::Classic;
    return std::nullopt;
}

std::string_view targetLabel(Target target) {
    return target == Target::Windows ? "Windows 10 and 11" : "MS-DOS and Windows 9x (classic)";
}

} // namespace core::wizard
