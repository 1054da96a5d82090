#include "core/fixes/apply.h"

#include "core/checker/colour_sink.h"
#include "core/fixes/builders.h"
#include "core/text/checker_lines.h"

#include <algorithm>

namespace core::fixes {
namespace {

class NoColours : public checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const ports::ColourSpan&) override {}
};

// Two edits clash when their ranges overlap or touch: two insertions at one
// place, or an insertion at the edge of a replacement, have no certain order.
bool clash(const Edit& a, const Edit& b) { return a.start <= b.end && b.start <= a.end; }

bool clashesWithAny(const Fix& fix, const std::vector<Fix>& taken) {
    for (const auto& other : taken)
        for (const auto& a : other.edits)
            for (const auto& b : fix.edits)
                if (clash(a, b)) return true;
    return false;
}

Position firstPlace(const Fix& fix) {
    Position first{SIZE_MAX, SIZE_MAX};
    for (const auto& edit : fix.edits) first = std::min(first, edit.start);
    return first;
}

// Where each line starts in the text, its line break excluded from the line.
struct LineSpans {
    explicit LineSpans(std::string_view text) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n') continue;
            spans.push_back({start, i});
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
        spans.push_back({start, text.size()});
    }
    struct Span {
        std::size_t begin;
        std::size_t end;
    };
    std::vector<Span> spans;
};

std::size_t offsetOf(std::string_view text, const LineSpans& lines, const Position& at) {
    if (at.line >= lines.spans.size()) return text.size();
    const auto& span = lines.spans[at.line];
    const std::string_view line = text.substr(span.begin, span.end - span.begin);
    return span.begin + text::byteOffsetOfColumn(line, at.column);
}

} // namespace

std::vector<Fix> compatibleFixes(std::vector<Fix> fixes) {
    std::stable_sort(fixes.begin(), fixes.end(),
                     [](const Fix& a, const Fix& b) { return firstPlace(a) < firstPlace(b); });
    std::vector<Fix> taken;
    for (auto& fix : fixes)
        if (!fix.edits.empty() && !clashesWithAny(fix, taken)) taken.push_back(std::move(fix));
    return taken;
}

std::string applyEdits(std::string_view text, std::vector<Edit> edits) {
    const LineSpans lines(text);
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return b.start < a.start; });
    std::string out(text);
    for (const auto& edit : edits) {
        const std::size_t begin = offsetOf(text, lines, edit.start);
        const std::size_t end = std::max(begin, offsetOf(text, lines, edit.end));
        out.replace(begin, end - begin, edit.text);
    }
    return out;
}

namespace {

std::vector<Fix> fixesOfLines(const text::CheckerLines& lines, checker::RuleChoice rules, const FixRequest& request,
                              checker::RuleSet* picked) {
    NoColours colours;
    documents::PickLists lists;
    std::vector<std::string> ignored = request.ignored;
    checker::FindingList findings;
    const auto used = checker::lintLines(lines.lines(), rules, colours, lists, ignored, findings);
    if (picked) *picked = used;
    std::vector<Fix> out;
    for (const auto& finding : findings.findings)
        for (auto& fix : fixesFor(finding, lines.lines()))
            if ((request.suggested || fix.safety == Safety::Safe) && (request.onlyCode.empty() || fix.code == request.onlyCode))
                out.push_back(std::move(fix));
    return out;
}

checker::RuleChoice choiceOf(checker::RuleSet rules) {
    return rules == checker::RuleSet::Cmd ? checker::RuleChoice::Cmd : checker::RuleChoice::Classic;
}

} // namespace

std::vector<Fix> fixesOfText(std::string_view text, const FixRequest& request) {
    const text::CheckerLines lines{std::string(text)};
    return fixesOfLines(lines, request.rules, request, nullptr);
}

FixOutcome fixText(std::string_view text, const FixRequest& request) {
    FixOutcome outcome;
    outcome.text = std::string(text);
    checker::RuleChoice rules = request.rules;
    for (std::size_t round = 0; round < request.maxRounds; ++round) {
        checker::RuleSet picked = checker::RuleSet::Classic;
        std::vector<Fix> fixes;
        {
            const text::CheckerLines lines{outcome.text};
            fixes = compatibleFixes(fixesOfLines(lines, rules, request, &picked));
        }
        rules = choiceOf(picked);
        std::vector<Edit> edits;
        for (const auto& fix : fixes) edits.insert(edits.end(), fix.edits.begin(), fix.edits.end());
        std::string next = applyEdits(outcome.text, std::move(edits));
        if (next == outcome.text) break;
        for (const auto& fix : fixes) ++outcome.applied[fix.code];
        outcome.text = std::move(next);
        ++outcome.rounds;
    }
    return outcome;
}

} // namespace core::fixes
