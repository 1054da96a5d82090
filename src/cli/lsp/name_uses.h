#pragma once
// Where a label or a variable is named in a batch file (lines one byte per
// character): a label's line and the GOTO / CALL that jump to it; a variable's
// %NAME% and !NAME! reads and the SET and IF DEFINED that name it.
#include "cli/lsp/batch_scan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli::lsp {

enum class NameKind { Label, Variable };

struct NameUse {
    NamePlace place;
    bool defines = false; //!< the label line, or a SET that gives the value
};

struct NamedThing {
    NameKind kind = NameKind::Label;
    std::string name;
    std::vector<NameUse> uses; //!< in document order
};

//! The label or variable named at a place (0-based line and column), with every use of it.
std::optional<NamedThing> namedAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column);
//! Why cmd cannot use `name` (UTF-8) for the kind; empty when it can.
std::string unusableName(NameKind kind, std::string_view name);

} // namespace cli::lsp
