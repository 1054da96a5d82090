#include "core/checker/live_check.h"

#include "core/checker/colour_sink.h"
#include "core/documents/memory_editor_view.h"

#include <algorithm>

namespace core::checker {
namespace {

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

} // namespace

std::vector<Underline> underlinesOf(std::span<const Finding> findings, const text::CheckerLines& text) {
    std::vector<Underline> underlines;
    underlines.reserve(findings.size());
    const auto lines = text.lines();
    for (const auto& finding : findings) {
        if (finding.line == 0 || finding.line > lines.size()) continue;
        const std::size_t index = finding.line - 1;
        const std::string_view line = text.utf8Line(index);
        const std::size_t from = text::byteOffsetOfColumn(line, finding.column > 0 ? finding.column - 1 : 0);
        const std::size_t to = from + text::byteOffsetOfColumn(line.substr(from), finding.length);
        if (finding.length == 0 || to <= from || blank(line.substr(from, to - from))) {
            // The whole line, from its first non-blank character.
            const auto start = std::min(line.find_first_not_of(" \t"), line.size());
            underlines.push_back({index, start, line.size() - start, finding.severity});
            continue;
        }
        underlines.push_back({index, from, to - from, finding.severity});
    }
    return underlines;
}

LiveResult checkSnapshot(const Snapshot& snapshot) {
    LiveResult result;
    result.document = snapshot.document;
    result.generation = snapshot.generation;
    const text::CheckerLines text(snapshot.text);
    // The colours go to a view in memory that collects them, turned into bytes.
    documents::MemoryEditorView painted;
    EditorViewColours colours(painted, text, /*showsLines=*/false);
    auto lists = snapshot.lists;
    auto ignored = snapshot.ignoredCommands;
    FindingList found;
    result.rules = lintLines(text.lines(), snapshot.rules, colours, lists, ignored, found);
    colours.flush();
    result.colours = painted.spans();
    result.findings = std::move(found.findings);
    result.underlines = underlinesOf(result.findings, text);
    return result;
}

bool showsLiveResult(bool optionOn, RuleSet rules) { return optionOn && rules == RuleSet::Cmd; }

} // namespace core::checker
