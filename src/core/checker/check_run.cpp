#include "core/checker/check_run.h"

#include "core/text/checker_lines.h"

#include <algorithm>

namespace core::checker {
namespace {

// Every box names its line: a message whose text has no line number gets one in front.
std::string boxText(const MessageDef& def, const Finding& finding) {
    if (def.text.find("{line}") != std::string_view::npos) return finding.text;
    return linePrefix(finding.line) + finding.text;
}

} // namespace

void quoteOwnCharacters(std::vector<Finding>& findings, std::span<const std::string_view> checkedLines,
                        std::span<const std::string_view> ownLines) {
    if (ownLines.size() != checkedLines.size()) return;
    for (auto& finding : findings) {
        const std::size_t index = finding.line - 1;
        if (index < ownLines.size())
            finding.text = text::withOwnCharacters(finding.text, checkedLines[index], ownLines[index],
                                                   finding.column > 0 ? finding.column - 1 : 0);
    }
}

std::string linePrefix(std::size_t line) { return "Line " + std::to_string(line) + ": "; }

CheckRun::CheckRun(std::span<const std::string_view> lines, const CheckContext& context, FindingSink& findings,
                   const LabelIndex* labels)
    : m_lines(lines), m_context(context), m_labels(labels), m_findings(findings) {
    for (const auto& entry : context.ignoredCommands) m_ignored.add(entry);
    for (const auto& name : context.lists.variables) m_variables.add(name);
}

ports::Answer CheckRun::ask(MessageId id, std::size_t line, std::string_view text) {
    const MessageDef& def = messageDef(id);
    Finding finding;
    finding.line = line;
    finding.buttons = def.buttons;
    finding.text = formatMessage(id, line, text);
    if (m_context.ownLines.size() == m_lines.size() && line - 1 < m_lines.size())
        finding.text = text::withOwnCharacters(finding.text, m_lines[line - 1], m_context.ownLines[line - 1]);
    // A classic message is about its whole line.
    finding.length = line - 1 < m_lines.size() ? m_lines[line - 1].size() : 0;
    finding.code = messageCode(id);
    // Ignore puts the command into the Ignore list, from the box or the Problems list.
    if (def.buttons == ports::Buttons::OkIgnoreAbort) finding.ignoreKey = std::string(text);
    m_context.colours.showLine(line - 1);
    const auto answer = m_context.prompter.message(def.kind, def.buttons, boxText(def, finding));
    m_findings.add(std::move(finding));
    if (answer == ports::Answer::Abort) m_aborted = true;
    return answer;
}

bool CheckRun::labelExists(std::string_view name) {
    // Labels above the line are both in the label list and among the document's
    // lines, so one index of every label line answers for the lines above and
    // below alike. It is built once, on the first GOTO of the check.
    if (!m_labels) m_labels = &m_ownLabels.emplace(m_lines);
    return m_labels->contains(name);
}

LabelIndex::LabelIndex(std::span<const std::string_view> lines) {
    for (const auto& line : lines)
        if (!line.empty() && line.front() == ':') m_names.add(line.substr(1));
}

void CheckRun::ignore(const std::string& workingText) {
    m_context.ignoredCommands.push_back(workingText);
    m_ignored.add(workingText);
}

bool CheckRun::finish() {
    const MessageDef& complete = messageDef(MessageId::Complete);
    m_context.prompter.message(complete.kind, complete.buttons, std::string(complete.text));
    return m_aborted;
}

LineCheck::LineCheck(CheckRun& run, std::size_t index, std::string_view text)
    : w(run.workingText()), m_run(run), m_index(index), m_length(text.size()) {
    w.assign(text);
}

void LineCheck::colour(std::size_t column, std::size_t length, ports::ColourRole role) {
    // A word can be counted past the end of a short line (an IF head without its
    // command); the colour stays on the line.
    if (column >= m_length) return;
    m_run.colour({m_index, column, std::min(length, m_length - column), role});
}

Flow LineCheck::accept(std::size_t length) {
    colour(m_keywordColumn, length);
    return Flow::EndLine;
}

bool LineCheck::warn(MessageId id, std::string_view text) { return ask(id, text) != ports::Answer::Abort; }

} // namespace core::checker
