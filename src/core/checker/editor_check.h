#pragma once
// F7: the check of the document the editor shows, as the window runs it.
#include "core/checker/rule_set.h"
#include "core/ports/editor_view.h"
#include "core/ports/prompter.h"

#include <string>
#include <vector>

namespace core::checker {

//! How a check reports its problems. Automatic: one message box each under the
//! classic rules (they were made for answering one by one), the Problems list
//! only under the cmd rules (today's files raise many findings).
enum class ProblemReport { Automatic, MessageBoxes, ListOnly };

//! The report a check gives under the rules it applies.
ProblemReport reportFor(ProblemReport chosen, RuleSet rules);

struct EditorCheckOptions {
    RuleChoice rules = RuleChoice::Classic;
    ProblemReport report = ProblemReport::Automatic;
};

//! Checks and colours the document the editor shows. With message boxes, the
//! line each box is about is selected and in view while it is shown, and the
//! answers steer the check (Ignore, Abort). Afterwards the caret, selection and
//! scroll position are as they were. The result holds every finding of the
//! whole file, whatever was answered (an aborted check is completed unanswered).
Lint checkEditor(ports::EditorView& view, ports::Prompter& prompter, documents::PickLists& lists,
                 std::vector<std::string>& ignoredCommands, const EditorCheckOptions& options = {});

} // namespace core::checker
