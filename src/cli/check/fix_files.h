#pragma once
// `qlt check --fix` and `--format diff`: each file's findings fixed until
// nothing more applies, then written back in its own encoding, or shown as a
// unified diff and left as it is.
#include "cli/check/check_options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

struct FixSummary {
    bool unreadable = false; //!< a file could not be read or written
    bool changes = false;    //!< at least one file had fixes
};

//! Fixes the files of `options` (safe fixes, suggested too with
//! --unsafe-fixes). With --format diff the diff goes to `out` and nothing is
//! written; otherwise each changed file is written atomically and a line per
//! file says what was fixed on `err`. A file whose encoding cannot hold the
//! fixed text, or that would not be written back byte for byte as it was read
//! apart from the fixes, is left unchanged with a message on `err`.
FixSummary fixFiles(const CheckOptions& options, const std::vector<std::string>& ignoreList, std::ostream& out,
                    std::ostream& err);

} // namespace cli
