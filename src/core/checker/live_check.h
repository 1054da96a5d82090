#pragma once
// Checking as the user types: the window takes a snapshot of the text of the
// document in front when typing pauses, checks it off the window's thread, and
// shows the result only if it still fits: the same document, the same text.
// The check never shows a box and never moves the caret.
#include "core/checker/rule_set.h"
#include "core/ports/editor_view.h"
#include "core/text/checker_lines.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace core::checker {

//! A stretch of a line to underline, in bytes of the line's UTF-8 text.
struct Underline {
    std::size_t line = 0;   //!< 0-based
    std::size_t column = 0; //!< 0-based
    std::size_t length = 0;
    Severity severity = Severity::Warning;
    bool operator==(const Underline&) const = default;
};

//! The underlines of findings over the text they were found in. A finding
//! about a whole line, or whose stretch is blank, underlines the line's text.
std::vector<Underline> underlinesOf(std::span<const Finding> findings, const text::CheckerLines& text);

//! What a check needs, copied so that it can run on any thread.
struct Snapshot {
    std::size_t document = 0;     //!< the document's number
    std::uint64_t generation = 0; //!< which edit of it the text is
    std::string text;             //!< UTF-8, lines joined by CR LF
    RuleChoice rules = RuleChoice::Automatic;
    documents::PickLists lists;
    std::vector<std::string> ignoredCommands;
};

struct LiveResult {
    std::size_t document = 0;
    std::uint64_t generation = 0;
    RuleSet rules = RuleSet::Classic;
    std::vector<Finding> findings;
    std::vector<ports::ColourSpan> colours; //!< in bytes of the UTF-8 lines
    std::vector<Underline> underlines;
};

//! Checks a snapshot; reads nothing but its argument.
LiveResult checkSnapshot(const Snapshot& snapshot);

//! Whether checking as you type shows its result: the option is on and the
//! document falls under today's interpreter rules (the classic rules speak in
//! boxes, one answer at a time).
bool showsLiveResult(bool optionOn, RuleSet rules);

//! Counts the edits of the document in front, so a result made from older text
//! (or for another document) is dropped.
class LiveCheckGate {
public:
    //! The text changed or another document came to the front: the next snapshot's generation.
    std::uint64_t changed() { return ++m_generation; }
    std::uint64_t generation() const { return m_generation; }
    bool fits(const LiveResult& result, std::size_t frontDocument) const {
        return result.document == frontDocument && result.generation == m_generation;
    }

private:
    std::uint64_t m_generation = 0;
};

} // namespace core::checker
