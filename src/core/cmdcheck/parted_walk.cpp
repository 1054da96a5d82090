#include "core/cmdcheck/parted_walk.h"

#include "core/cmdcheck/walk.h"

#include <algorithm>

namespace core::cmdcheck {
namespace {

// A part's colours, kept until the part is joined.
class SpanBuffer : public checker::ColourSink {
public:
    explicit SpanBuffer(bool keep) : m_keep(keep) {}
    void resetColours() override { spans.clear(); }
    void colourSpan(const ports::ColourSpan& span) override { spans.push_back(span); }
    bool keepsSpans() const override { return m_keep; }
    std::vector<ports::ColourSpan> spans;

private:
    bool m_keep;
};

bool startsPart(std::span<const std::string_view> lines, const FileIndex& index, std::size_t i) {
    const std::string_view line = lines[i];
    const std::size_t colon = line.find_first_not_of(" \t@,;=");
    if (colon == std::string_view::npos || line[colon] != ':' || line.substr(colon).starts_with("::")) return false;
    return !continues(lines[i - 1]) && !continues(line) && index.jumpedTo(labelName(line, colon));
}

} // namespace

struct WalkedPart::State {
    State(std::span<const std::string_view> lines, const FileIndex& index, const std::vector<std::string>& variables,
          const std::vector<std::string>& ignored, bool keepColours, std::size_t from, std::size_t to)
        : first(from), last(to), lists{{}, variables}, colours(keepColours),
          walk(lines, index, colours, lists, ignored) {}
    std::size_t first;
    std::size_t last;
    documents::PickLists lists;
    SpanBuffer colours;
    Walk walk;
};

WalkedPart::WalkedPart(std::unique_ptr<State> state) : m_state(std::move(state)) {}
WalkedPart::WalkedPart(WalkedPart&&) noexcept = default;
WalkedPart& WalkedPart::operator=(WalkedPart&&) noexcept = default;
WalkedPart::~WalkedPart() = default;

std::vector<std::size_t> partStarts(std::span<const std::string_view> lines, const FileIndex& index,
                                    std::size_t partLines) {
    std::vector<std::size_t> starts{0};
    partLines = std::max<std::size_t>(partLines, 1);
    for (std::size_t line = partLines; line < lines.size(); line = starts.back() + partLines) {
        while (line < lines.size() && !startsPart(lines, index, line)) ++line;
        if (line == lines.size()) break;
        starts.push_back(line);
    }
    return starts;
}

PartedWalk::PartedWalk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
                       documents::PickLists& lists, const std::vector<std::string>& ignored, std::size_t partLines)
    : PartedWalk(lines, index, colours, lists, ignored, partStarts(lines, index, partLines)) {}

PartedWalk::PartedWalk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
                       documents::PickLists& lists, const std::vector<std::string>& ignored, std::vector<std::size_t> starts)
    : m_lines(lines), m_index(index), m_colours(colours), m_lists(lists), m_ignored(ignored) {
    m_lists.labels.clear();
    m_colours.resetColours();
    if (!isRexx(lines)) m_starts = std::move(starts);
}

PartedWalk::~PartedWalk() = default;

WalkedPart PartedWalk::walk(std::size_t i, bool insideBlocks) const {
    const std::size_t first = m_starts[i];
    const std::size_t last = i + 1 < m_starts.size() ? m_starts[i + 1] : m_lines.size();
    auto state = std::make_unique<WalkedPart::State>(m_lines, m_index, m_lists.variables, m_ignored,
                                                     m_colours.keepsSpans(), first, last);
    state->walk.walkStretch(first, last, insideBlocks);
    return WalkedPart(std::move(state));
}

void PartedWalk::join(WalkedPart&& part) {
    auto& next = *part.m_state;
    if (m_joined && !m_joined->walk.goesOnAs(next.walk)) {
        m_joined->walk.walkStretch(next.first, next.last);
        m_insideBlocks.store(m_joined->walk.insideBlocks());
        return;
    }
    for (const auto& span : next.colours.spans) m_colours.colourSpan(span);
    if (m_joined) m_joined->walk.handOver(next.walk);
    next.walk.colourInto(m_colours);
    m_joined = std::move(part.m_state);
    m_insideBlocks.store(m_joined->walk.insideBlocks());
}

checker::CheckResult PartedWalk::finish() {
    if (!m_joined) return {};
    m_lists.labels = std::move(m_joined->lists.labels);
    m_lists.variables = std::move(m_joined->lists.variables);
    return m_joined->walk.finish();
}

} // namespace core::cmdcheck
