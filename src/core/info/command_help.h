#pragma once
// A line or two about each command word a batch file uses, with the help page
// that tells more: for hover texts and completion lists outside the window.
#include <optional>
#include <span>
#include <string_view>

namespace core::info {

struct CommandHelp {
    std::string_view word;    //!< upper case, as the checker knows it
    std::string_view summary; //!< what it does and how it is written
    std::string_view page;    //!< the help page (in the help folder) that explains it
};

//! Every command word, in alphabetical order.
std::span<const CommandHelp> commandHelp();
//! The entry of a word, letter case ignored; nothing for an unknown word.
std::optional<CommandHelp> commandHelpFor(std::string_view word);

} // namespace core::info
