#pragma once
// What the editor colours while the user types, before any check has run: the
// same command words the check colours, so that a word does not change colour
// when the check comes by.
#include "core/checker/rule_set.h"

#include <string>

namespace core::checker {

struct TypingColours {
    //! Command words in lower case, separated by blanks.
    std::string words;
    //! True when the first word of every command is a command word, listed or not.
    bool everyCommandWord = false;
};

TypingColours typingColoursOf(RuleSet rules);

} // namespace core::checker
