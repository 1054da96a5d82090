#include "core/aids/search_start.h"

namespace core::aids {

std::string searchStart(const std::string& selection, const std::string& lastSearch) {
    const bool onOneLine = selection.find_first_of("\r\n") == std::string::npos;
    return !selection.empty() && onOneLine ? selection : lastSearch;
}

} // namespace core::aids
