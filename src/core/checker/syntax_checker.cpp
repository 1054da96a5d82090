#include "core/checker/syntax_checker.h"

#include "core/checker/check_run.h"
#include "core/checker/rule_chain.h"
#include "core/text/checker_lines.h"

#include <algorithm>

namespace core::checker {
namespace {


// Lines the check passes over: blank lines, lines starting with a backslash in
// their first two characters, and lines whose second character is ":" ("::"
// comments and drive changes such as "C:"). Tabs count as blanks, so a line
// indented with them is not mistaken for a command.
bool skipped(std::string_view line) {
    if (line.find_first_not_of(" \t") == std::string_view::npos) return true;
    if (line[0] == '\\') return true;
    return line.size() > 1 && (line[1] == '\\' || line[1] == ':');
}

void checkLine(CheckRun& run, std::string_view text, std::size_t index) {
    if (skipped(text)) return;
    if (text.front() == ':') {
        run.colour({index, 0, text.size(), ports::ColourRole::Label});
        run.addLabel(std::string(text.substr(1)));
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

bool checkSyntax(std::span<const std::string_view> lines, std::size_t first, std::size_t last,
                 const LabelIndex& labels, const CheckContext& context, FindingSink& sink) {
    context.lists.labels.clear();
    context.colours.resetColours();
    CheckRun run(lines, context, sink, &labels);
    last = std::min(last, lines.size());
    for (std::size_t index = first; index < last && !run.aborted(); ++index) checkLine(run, lines[index], index);
    return run.finish();
}

bool checkSyntax(std::span<const std::string_view> lines, const CheckContext& context, FindingSink& sink) {
    context.lists.labels.clear();
    context.colours.resetColours();
    CheckRun run(lines, context, sink);
    for (std::size_t index = 0; index < lines.size() && !run.aborted(); ++index) checkLine(run, lines[index], index);
    return run.finish();
}

CheckResult checkSyntax(const std::vector<std::string>& lines, const CheckContext& context) {
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    FindingList collected;
    const bool aborted = checkSyntax(views, context, collected);
    return {std::move(collected.findings), aborted};
}

} // namespace core::checker
