#pragma once
// Runs the syntax check on lines and collects everything it did.
#include "core/checker/editor_check.h"
#include "core/checker/messages.h"
#include "core/checker/rule_set.h"
#include "core/checker/syntax_checker.h"
#include "core/documents/memory_editor_view.h"
#include "support/scripted_prompter.h"

#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace core::checker {
// Readable failure output for GoogleTest.
inline void PrintTo(const Finding& f, std::ostream* os) {
    *os << "line " << f.line << " [" << static_cast<int>(f.buttons) << "] " << f.text;
}
} // namespace core::checker

namespace checker_test {

using core::ports::ColourRole;

//! A colour span as (line, column, length, role), comparable in tests.
using Span = std::tuple<std::size_t, std::size_t, std::size_t, ColourRole>;

struct SpanRecorder : core::checker::ColourSink {
    int resets = 0;
    std::vector<Span> spans;
    void resetColours() override {
        ++resets;
        spans.clear();
    }
    void colourSpan(const core::ports::ColourSpan& s) override {
        spans.emplace_back(s.line, s.column, s.length, s.role);
    }
};

struct Checked {
    testing_support::ScriptedPrompter prompter;
    SpanRecorder colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    core::checker::CheckResult result;

    //! Checks the lines; answers come from the prompter's script (OK when it runs out).
    void run(const std::vector<std::string>& lines) {
        result = core::checker::checkSyntax(lines, {prompter, colours, lists, ignored});
        // A classic finding spans its whole line; that is checked on its own
        // (FindingCarriesCodeAndWholeLine), so tables compare the rest.
        for (auto& f : result.findings) f.length = 0;
    }
};

//! A check of the lines under the rules, with the colours and lists it left.
struct Linted {
    Linted(const std::vector<std::string>& lines, core::checker::RuleChoice rules)
        : findings(core::checker::lintLines(lines, rules, colours, lists, ignored).result.findings) {}
    SpanRecorder colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    std::vector<core::checker::Finding> findings;
};

//! A problem message as the check shows it.
inline core::checker::Finding finding(core::checker::MessageId id, std::size_t line, const std::string& text = {}) {
    core::checker::Finding f;
    f.line = line;
    f.buttons = core::checker::messageDef(id).buttons;
    f.text = core::checker::formatMessage(id, line, text);
    f.code = core::checker::messageCode(id);
    if (f.buttons == core::ports::Buttons::OkIgnoreAbort) f.ignoreKey = text;
    return f;
}

// A prompter that notes what the editor shows selected while each box is open.
struct WatchingPrompter : testing_support::ScriptedPrompter {
    explicit WatchingPrompter(const core::ports::EditorView& watched) : m_view(watched) {}
    core::ports::Answer message(core::ports::MessageKind kind, core::ports::Buttons buttons,
                                const std::string& text) override {
        selected.push_back(m_view.selectedText());
        return ScriptedPrompter::message(kind, buttons, text);
    }
    const core::ports::EditorView& m_view;
    std::vector<std::string> selected;
};

// The editor's check over a document of these lines.
struct EditorChecked {
    explicit EditorChecked(std::vector<std::string> lines) : view(std::move(lines)) {}
    core::checker::Lint run(const core::checker::EditorCheckOptions& options = {}) {
        return core::checker::checkEditor(view, prompter, lists, ignored, options);
    }
    core::documents::MemoryEditorView view;
    WatchingPrompter prompter{view};
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
};

} // namespace checker_test
