#pragma once
// The syntax check of a batch file: walks the lines from first to last, shows
// one message per problem (the answer steers the check), colours command words,
// labels and comments, refills the label list and adds SET variable names.
#include "core/checker/colour_sink.h"
#include "core/checker/name_set.h"
#include "core/documents/pick_lists.h"
#include "core/ports/editor_view.h"
#include "core/ports/prompter.h"

#include <cstddef>
#include <span>
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
    //! The document's own (UTF-8) lines when the lines checked are their
    //! one-byte view: findings quote their characters. Empty: the lines checked.
    std::span<const std::string_view> ownLines = {};
};

//! Findings made on the one-byte view of lines given the characters of the
//! document's own (UTF-8) lines that the view lacks.
void quoteOwnCharacters(std::vector<Finding>& findings, std::span<const std::string_view> checkedLines,
                        std::span<const std::string_view> ownLines);

//! Receives each finding as the check makes it, so that a report can be
//! written while the check runs instead of holding every finding.
class FindingSink {
public:
    virtual ~FindingSink() = default;
    virtual void add(Finding&& finding) = 0;
};

//! Keeps every finding, in order.
class FindingList : public FindingSink {
public:
    void add(Finding&& finding) override { findings.push_back(std::move(finding)); }
    std::vector<Finding> findings;
};

//! Checks the lines of a document (Windows-1252 text, without line breaks).
CheckResult checkSyntax(const std::vector<std::string>& lines, const CheckContext& context);
//! The same check over views of the lines, each finding handed to `sink` as it
//! is made; true when the check was aborted.
bool checkSyntax(std::span<const std::string_view> lines, const CheckContext& context, FindingSink& sink);
//! The label lines of a document (":NAME"), looked up with letter case ignored.
class LabelIndex {
public:
    explicit LabelIndex(std::span<const std::string_view> lines);
    bool contains(std::string_view name) const { return m_names.contains(name); }

private:
    NameSet m_names;
};

//! Checks only the lines [first, last); line numbers count the whole document
//! and GOTO looks its labels up in `labels`, the index of the whole. With every
//! message answered OK, checks of consecutive parts, put together in order,
//! give what one check of the whole gives: the same findings, labels,
//! variables (merged with PickLists::addVariable) and colours.
bool checkSyntax(std::span<const std::string_view> lines, std::size_t first, std::size_t last,
                 const LabelIndex& labels, const CheckContext& context, FindingSink& sink);

//! "Line 12: ", put before a message box's text that does not name its line.
std::string linePrefix(std::size_t line);

} // namespace core::checker
