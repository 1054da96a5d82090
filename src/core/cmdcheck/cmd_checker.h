#pragma once
// The Windows command interpreter rules: a parse of each logical line and
// block, and rules over it that report only what would really go wrong.
#include "core/checker/colour_sink.h"
#include "core/checker/syntax_checker.h"
#include "core/cmdcheck/file_index.h"
#include "core/documents/pick_lists.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

//! Every finding of the file, in line order; a finding about a command word
//! carries the upper-case word that Ignore adds to the Ignore list. Colours
//! command words, labels, comments, strings and variables; refills the label
//! list and adds SET variable names. Entries of `ignored` (upper-case command
//! words) are silent.
checker::CheckResult lintCmd(const std::vector<std::string>& lines, checker::ColourSink& colours,
                             documents::PickLists& lists, const std::vector<std::string>& ignored);
//! The same over views of the lines.
checker::CheckResult lintCmd(std::span<const std::string_view> lines, checker::ColourSink& colours,
                             documents::PickLists& lists, const std::vector<std::string>& ignored);
//! The same with the file's index made beforehand (see indexLines).
checker::CheckResult lintCmd(std::span<const std::string_view> lines, const FileIndex& index,
                             checker::ColourSink& colours, documents::PickLists& lists,
                             const std::vector<std::string>& ignored);

} // namespace core::cmdcheck
