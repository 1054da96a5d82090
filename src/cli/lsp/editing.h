#pragma once
// The language server's editing answers: quick fixes and "fix all" as code
// actions, renaming a label or a variable, and marking the other uses of the
// name under the cursor. Positions in and out are the protocol's.
#include "cli/lsp/features.h"

#include <string>
#include <vector>

namespace cli::lsp {

//! CodeAction[]: each fix of the findings on the requested range (the safe
//! one preferred), and "Fix all safe problems" when the document has any. The
//! document is checked afresh, so fixes never come from an older text.
Json codeActions(const TextDocument& doc, const std::string& uri, core::checker::RuleChoice rules, const Json& params);
//! WorkspaceEdit renaming the label or variable at the position, every use in
//! the file; throws std::invalid_argument for a name cmd cannot use or a
//! position on neither.
Json rename(const TextDocument& doc, const std::string& uri, const Json& position, const std::string& newName);
//! DocumentHighlight[] of the label or variable at the position; null elsewhere.
Json documentHighlights(const TextDocument& doc, const Json& position);

} // namespace cli::lsp
