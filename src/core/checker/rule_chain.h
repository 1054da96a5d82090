#pragma once
// The rule chain: the tests tried on the working text of a line, in order.
#include "core/checker/check_run.h"

#include <array>
#include <span>
#include <string_view>

namespace core::checker {

enum class Match {
    Start,       //!< W begins with one of the words
    Anywhere,    //!< one of the words occurs anywhere in W
    MorePipe,    //!< "| MORE" or "|MORE" at a position above 1
    Redirection, //!< ">" at a position above 1
    Always,      //!< the last step: nothing else applied
};

struct ChainStep {
    Match match;
    std::array<std::string_view, 4> words; //!< trailing blanks are part of the test
    Flow (*rule)(LineCheck& line, std::string_view word);
};

std::span<const ChainStep> ruleChain();

//! Runs the chain on the line's working text until a step ends the line.
void runChain(LineCheck& line);

} // namespace core::checker
