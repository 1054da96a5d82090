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
#include <vector>

namespace core::checker {

//! A problem message the check showed.
struct Finding {
    std::size_t line = 0; //!< 1-based
    ports::Buttons buttons = ports::Buttons::OkAbort;
    std::string text; //!< UTF-8, exactly as shown
    bool operator==(const Finding&) const = default;
};

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

//! Checks the document an editor shows and colours it.
CheckResult checkEditor(ports::EditorView& view, ports::Prompter& prompter, documents::PickLists& lists,
                        std::vector<std::string>& ignoredCommands);

} // namespace core::checker
