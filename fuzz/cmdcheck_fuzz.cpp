// Arbitrary bytes as a document for the Windows command interpreter rules.
// Every colour span and every finding must lie on a line of the document,
// findings in line order, and the automatic choice must not fail either. The
// walk in parts must give what the whole walk gives, wherever the parts start
// and however each part guesses where the walk before it ended.
// The regression corpus in fuzz/corpus/cmdcheck is replayed by the core tests.
#include "core/cmdcheck/cmd_checker.h"
#include "core/cmdcheck/detection.h"
#include "core/cmdcheck/logical_line.h"
#include "core/cmdcheck/parted_walk.h"
#include "core/text/lines.h"
#include "bounded_colours.h"
#include "fuzz_targets.h"

#include <string_view>

namespace {

struct Walked {
    core::checker::CheckResult result;
    core::documents::PickLists lists;
    std::vector<core::ports::ColourSpan> spans;
    bool operator==(const Walked& other) const {
        return result.findings == other.result.findings && lists.labels == other.lists.labels &&
               lists.variables == other.lists.variables && spans == other.spans;
    }
};

class SpanList : public core::checker::ColourSink {
public:
    explicit SpanList(std::vector<core::ports::ColourSpan>& spans) : m_spans(spans) {}
    void resetColours() override { m_spans.clear(); }
    void colourSpan(const core::ports::ColourSpan& span) override { m_spans.push_back(span); }

private:
    std::vector<core::ports::ColourSpan>& m_spans;
};

// guess 0: as the walk guesses; 1: every other part inside blocks; 2: all inside blocks.
Walked walkInParts(std::span<const std::string_view> lines, const core::cmdcheck::FileIndex& index, int guess) {
    std::vector<std::size_t> starts{0};
    for (std::size_t line = 1; line < lines.size(); ++line)
        if (!core::cmdcheck::continues(lines[line - 1])) starts.push_back(line);
    Walked walked;
    walked.lists.variables = {"given"};
    SpanList colours(walked.spans);
    core::cmdcheck::PartedWalk walk(lines, index, colours, walked.lists, {"ECHP"}, starts);
    for (std::size_t i = 0; i < walk.parts(); ++i)
        walk.join(guess == 0 ? walk.walk(i) : walk.walk(i, guess == 2 || i % 2 == 1));
    walked.result = walk.finish();
    return walked;
}

// The whole walk with the index made line by line; the parts walk with the
// indexes of the text's two halves added up, each made at one go (as qlt
// makes them per stretch of a large file).
void checkParts(std::string_view bytes) {
    const std::vector<std::string_view> lines = core::text::splitLineViews(bytes);
    Walked whole;
    whole.lists.variables = {"given"};
    SpanList colours(whole.spans);
    whole.result = core::cmdcheck::lintCmd(lines, core::cmdcheck::indexLines(lines), colours, whole.lists, {"ECHP"});
    const std::size_t half = lines.size() / 2;
    const std::size_t cut = half < lines.size() ? static_cast<std::size_t>(lines[half].data() - bytes.data()) : bytes.size();
    auto index = core::cmdcheck::indexText(bytes.substr(0, cut), std::span(lines).first(half));
    index.add(core::cmdcheck::indexText(bytes.substr(cut), std::span(lines).subspan(half)));
    for (int guess = 0; guess < 3; ++guess)
        if (!(walkInParts(lines, index, guess) == whole)) fuzz::fail();
}

} // namespace

int fuzz::cmdInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = core::text::splitLines(bytes);
    BoundedColours colours(lines);
    core::documents::PickLists lists;
    const auto result = core::cmdcheck::lintCmd(lines, colours, lists, {"ECHP"});
    std::size_t previous = 1;
    for (const auto& f : result.findings) {
        if (f.line < previous || f.line > std::max<std::size_t>(lines.size(), 1) || f.text.empty() || f.column == 0)
            fail();
        if (f.line <= lines.size() && f.column - 1 + f.length > lines[f.line - 1].size() + 1) fail();
        previous = f.line;
    }
    (void)core::cmdcheck::usesCmdFeatures(lines);
    checkParts(bytes);
    return 0;
}
