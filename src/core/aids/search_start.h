#pragma once
// The text a Find or Replace dialog starts with.
#include <string>

namespace core::aids {

//! The selection when it is a piece of one line, else the text searched for last.
std::string searchStart(const std::string& selection, const std::string& lastSearch);

} // namespace core::aids
