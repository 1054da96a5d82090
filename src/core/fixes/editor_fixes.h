#pragma once
// Fixes made in the editor: the Problems list's and the margin marker's Fix
// and Fix All Like This. The document is checked afresh, so a finding of an
// older check is fixed only when it is still there; the change is one
// replacement in the editor (the caller makes it one undo step).
#include "core/fixes/apply.h"
#include "core/ports/editor_view.h"

#include <optional>

namespace core::fixes {

//! The fix Fix makes for a finding in the text as it is now: its safe fix, or
//! else its suggested one; nothing when the finding is gone or has no fix.
std::optional<Fix> fixOfFinding(std::string_view text, const checker::Finding& finding, const FixRequest& request);

//! Fix: applies the finding's fix to the editor's text; false when there is none.
bool fixInEditor(ports::EditorView& view, const checker::Finding& finding, const FixRequest& request);
//! Fix All Like This: every finding of the code fixed (safe and suggested
//! fixes), round after round; how many fixes were made.
std::size_t fixAllLikeInEditor(ports::EditorView& view, const std::string& code, FixRequest request);

} // namespace core::fixes
