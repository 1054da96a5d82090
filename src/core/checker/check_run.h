#pragma once
// The state of one check while it walks a document, and what a rule sees of
// it for the line under test.
#include "core/checker/messages.h"
#include "core/checker/name_set.h"
#include "core/checker/syntax_checker.h"
#include "core/checker/working_text.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::checker {

class CheckRun {
public:
    //! `labels`: the document's label index, when one is built already.
    CheckRun(std::span<const std::string_view> lines, const CheckContext& context, FindingSink& findings,
             const LabelIndex* labels = nullptr);

    //! Shows a message, records it, and sets the abort flag on Abort.
    ports::Answer ask(MessageId id, std::size_t line, std::string_view text = {});
    bool aborted() const { return m_aborted; }
    void colour(const ports::ColourSpan& span) { m_context.colours.colourSpan(span); }

    void addLabel(std::string name) { m_context.lists.labels.push_back(std::move(name)); }
    //! Lists a SET variable unless one equal to it (ignoring case) is listed.
    void addVariable(const std::string& name) {
        if (m_variables.insert(name)) m_context.lists.variables.push_back(name);
    }
    //! A label line ":NAME" anywhere in the document, letter case ignored.
    bool labelExists(std::string_view name);

    bool isIgnored(std::string_view workingText) const { return m_ignored.contains(workingText); }
    void ignore(const std::string& workingText);

    //! The working text, reused from line to line.
    WorkingText& workingText() { return m_workingText; }
    //! Shows the closing message; true when the check was aborted.
    bool finish();

private:
    std::span<const std::string_view> m_lines;
    const CheckContext& m_context;
    NameSet m_ignored;
    NameSet m_variables; //!< the listed variables, so that adding one never searches the list
    const LabelIndex* m_labels;           //!< given, or built on the first GOTO
    std::optional<LabelIndex> m_ownLabels;
    bool m_aborted = false;
    WorkingText m_workingText;
    FindingSink& m_findings;
};

enum class Flow { Next, EndLine };

//! A line under test, as the rules see it.
class LineCheck {
public:
    //! Starts the working text from the line as written, keyword column 0.
    LineCheck(CheckRun& run, std::size_t index, std::string_view text);

    WorkingText& w;

    CheckRun& run() { return m_run; }
    std::size_t lineLength() const { return m_length; }
    std::size_t keywordColumn() const { return m_keywordColumn; }
    //! The command that is left after a FOR or IF head starts at the front of W.
    void moveKeywordColumnToFront() { m_keywordColumn = w.frontColumn(); }

    void colour(std::size_t column, std::size_t length, ports::ColourRole role = ports::ColourRole::Command);
    //! Accepted: the command word is coloured from the keyword column and the line ends.
    Flow accept(std::size_t length);
    //! Shows a problem message; true when the user pressed OK and the check goes on.
    bool warn(MessageId id, std::string_view text = {});
    ports::Answer ask(MessageId id, std::string_view text = {}) { return m_run.ask(id, m_index + 1, text); }

private:
    CheckRun& m_run;
    std::size_t m_index;
    std::size_t m_length;
    std::size_t m_keywordColumn = 0;
};

} // namespace core::checker
