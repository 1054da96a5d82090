#pragma once
// What a walk of a file must know of the whole file before it starts: its
// labels (a GOTO may jump forward), the labels GOTO and CALL name, and whether
// delayed expansion is switched on anywhere. The indexes of consecutive parts
// of a file add up to the index of the whole, so a large file can be indexed
// in parts on several threads.
#include "core/cmdcheck/name_hashes.h"

#include <span>
#include <string_view>

namespace core::cmdcheck {

struct FileIndex {
    NameHashes labels; //!< without the colon
    NameHashes jumpTargets;
    bool dynamicJumps = false;       //!< a jump to an expansion: it may reach any label
    bool delayedEverEnabled = false; //!< SETLOCAL ENABLEDELAYEDEXPANSION, CMD /V:ON

    void add(const FileIndex& part);
    //! Whether a jump may land on the label `name` (which then ends dead code).
    //! A jump to an expansion is taken to land on named labels only, not on
    //! ":#" or ":----", which files use as comments.
    bool jumpedTo(std::string_view name) const { return (dynamicJumps && isName(name)) || jumpTargets.contains(name); }
    static bool isName(std::string_view name) {
        return name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") != std::string_view::npos;
    }
};

FileIndex indexLines(std::span<const std::string_view> lines);
//! The same for the lines of `text` (views into it, all of them), its words
//! looked for in the text at one go.
FileIndex indexText(std::string_view text, std::span<const std::string_view> lines);

//! A label's name: from after the colon at `colon` to the first blank or delimiter.
std::string_view labelName(std::string_view text, std::size_t colon);

} // namespace core::cmdcheck
