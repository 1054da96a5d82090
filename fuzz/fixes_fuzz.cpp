// Arbitrary bytes as a batch file (Windows-1252) whose findings' fixes are
// applied. Every edit must lie inside the document and the edits of a fix
// must not overlap; no fix may leave more findings of its code than there
// were; and text fixed until nothing more applies stays as it is when fixed again.
// The regression corpus in fuzz/corpus/fixes is replayed by the core tests.
#include "core/checker/colour_sink.h"
#include "core/fixes/apply.h"
#include "core/text/checker_lines.h"
#include "core/text/codepage.h"
#include "fuzz_targets.h"

#include <algorithm>
#include <string>

namespace {

using core::fixes::Fix;

class NoColours : public core::checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan&) override {}
};

std::size_t findingsOf(const std::string& text, core::checker::RuleChoice rules, const std::string& code) {
    const core::text::CheckerLines lines{text};
    NoColours colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    core::checker::FindingList found;
    core::checker::lintLines(lines.lines(), rules, colours, lists, ignored, found);
    return static_cast<std::size_t>(std::count_if(found.findings.begin(), found.findings.end(),
                                                  [&](const auto& f) { return f.code == code; }));
}

void checkPlaces(const Fix& fix, const core::text::CheckerLines& lines) {
    for (const auto& edit : fix.edits) {
        if (edit.end < edit.start || edit.end.line >= lines.lines().size()) fuzz::fail();
        if (edit.end.column > lines.lines()[edit.end.line].size() || edit.start.column > lines.lines()[edit.start.line].size())
            fuzz::fail();
        for (const auto& other : fix.edits)
            if (&other != &edit && other.start < edit.end && edit.start < other.end) fuzz::fail();
    }
}

} // namespace

int fuzz::fixesInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = core::text::toUtf8({reinterpret_cast<const char*>(data), size});
    const auto rules = size > 0 && data[0] % 2 == 0 ? core::checker::RuleChoice::Cmd : core::checker::RuleChoice::Classic;
    const core::fixes::FixRequest request{.rules = rules, .suggested = true};
    const core::text::CheckerLines lines{text};
    for (const auto& fix : core::fixes::fixesOfText(text, request)) {
        checkPlaces(fix, lines);
        const std::string fixed = core::fixes::applyEdits(text, fix.edits);
        if (fixed == text || findingsOf(fixed, rules, fix.code) > findingsOf(text, rules, fix.code)) fail();
    }
    const auto outcome = core::fixes::fixText(text, request);
    if (outcome.rounds < request.maxRounds && core::fixes::fixText(outcome.text, request).changed()) fail();
    return 0;
}
