#pragma once
// The Windows command interpreter rules: a parse of each logical line and
// block, and rules over it that report only what would really go wrong.
#include "core/checker/colour_sink.h"
#include "core/checker/syntax_checker.h"
#include "core/documents/pick_lists.h"

#include <string>
#include <vector>

namespace core::cmdcheck {

struct CmdLint {
    checker::CheckResult result;
    //! One per finding: the upper-case command word Ignore adds to the Ignore
    //! list, empty for findings that are not about a command word.
    std::vector<std::string> ignoreKeys;
};

//! Every finding of the file, in line order. Colours command words, labels,
//! comments, strings and variables; refills the label list and adds SET
//! variable names. Entries of `ignored` (upper-case command words) are silent.
CmdLint lintCmd(const std::vector<std::string>& lines, checker::ColourSink& colours, documents::PickLists& lists,
                const std::vector<std::string>& ignored);

//! The check the window runs: one message box per finding (OK and Abort, plus
//! Ignore for a command word, which adds it to the Ignore list and silences
//! its other findings), then the closing message unless aborted.
checker::CheckResult checkCmd(const std::vector<std::string>& lines, const checker::CheckContext& context);

} // namespace core::cmdcheck
