#include "core/checker/syntax_checker.h"

#include "core/checker/check_run.h"
#include "core/checker/rule_chain.h"
#include "core/text/checker_lines.h"

namespace core::checker {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Lines the check passes over: blank lines, lines starting with a backslash in
// their first two characters, and lines whose second character is ":" ("::"
// comments and drive changes such as "C:"). Tabs count as blanks, so a line
// indented with them is not mistaken for a command.
bool skipped(std::string_view line) {
    bool blank = true;
    for (char c : line) blank = blank && isBlank(c);
    if (blank) return true;
    if (line[0] == '\\') return true;
    return line.size() > 1 && (line[1] == '\\' || line[1] == ':');
}

void checkLine(CheckRun& run, const std::vector<std::string>& lines, std::size_t index) {
    const std::string& text = lines[index];
    if (skipped(text)) return;
    if (text.front() == ':') {
        run.colour({index, 0, text.size(), ports::ColourRole::Label});
        run.addLabel(text.substr(1));
        return;
    }
    LineCheck line(run, index, text);
    line.w.removeLeadingBlanks();
    if (line.w.startsWith("@")) line.w.removeFront(1);
    line.moveKeywordColumnToFront();
    runChain(line);
}

} // namespace

std::string_view severityName(Severity severity) {
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Info: return "info";
    }
    return "warning";
}

CheckResult checkSyntax(const std::vector<std::string>& lines, const CheckContext& context) {
    context.lists.labels.clear();
    context.colours.resetColours();
    CheckRun run(lines, context);
    for (std::size_t index = 0; index < lines.size() && !run.aborted(); ++index) checkLine(run, lines, index);
    return run.finish();
}

void EditorViewColours::resetColours() {
    m_view.resetColours();
    m_view.select(0, 0);
}

void EditorViewColours::colourSpan(const ports::ColourSpan& span) {
    if (span.line >= m_lines.size()) return;
    const std::string& line = m_lines[span.line];
    const std::size_t from = text::byteOffsetOfColumn(line, span.column);
    const std::size_t to = from + text::byteOffsetOfColumn(std::string_view(line).substr(from), span.length);
    m_view.colourSpan({span.line, from, to - from, span.role});
}

} // namespace core::checker
