#pragma once
// The syntax check of a batch file: walks the lines from first to last, shows
// one message per problem (the answer steers the check), colours command words,
// labels and comments, refills the label list and adds SET variable names.
#include "core/checker/colour_sink.h"
#include "core/documents/pick_lists.h"
#include "core/ports/editor_view.h"
#include "core/ports/prompter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core::checker {

enum class Severity { Error, Warning, Info };

//! One problem a check found, for every rule set and every front end (message
//! boxes, the Problems list, `qlt` reports, the language server).
struct Finding {
    std::size_t line = 0; //!< 1-based
    ports::Buttons buttons = ports::Buttons::OkAbort; //!< the buttons of its message box
    std::string text;     //!< UTF-8, exactly as shown
    std::size_t column = 1; //!< 1-based, in characters of the decoded line
    std::size_t length = 0; //!< characters; 0 when the finding is about the whole line
    std::string code;       //!< stable identifier, e.g. "Q001"
    Severity severity = Severity::Warning;
    //! What the Ignore list takes to silence this finding (the unrecognised
    //! command, Windows-1252); empty when Ignore does not apply.
    std::string ignoreKey;
    bool operator==(const Finding&) const = default;
};

//! "error", "warning" or "info".
std::string_view severityName(Severity severity);

struct CheckResult {
    std::vector<Finding> findings; //!< in the order shown; the closing message is not one
    bool aborted = false;
};

//! What a check reads and changes besides the document.
struct CheckContext {
    ports::Prompter& prompter;
    ColourSink& colours;
    documents::PickLists& lists;
    //! Upper-case working texts not reported; Ignore appends to it.
    std::vector<std::string>& ignoredCommands;
};

//! Checks the lines of a document (Windows-1252 text, without line breaks).
CheckResult checkSyntax(const std::vector<std::string>& lines, const CheckContext& context);

//! "Line 12: ", put before a message box's text that does not name its line.
std::string linePrefix(std::size_t line);

} // namespace core::checker
