// A walk in stretches: each stretch of a large file is walked on its own, as
// if the file started there (at the top level or inside blocks), and joined
// to the walk before it when that walk ended as the stretch's walk assumed.
#include "core/cmdcheck/walk.h"

#include <algorithm>

namespace core::cmdcheck {
namespace {

// `into` gets the names of `from` too; the smaller set goes into the larger.
bool isArgument(std::string_view name) { return name.starts_with('%'); }

void joinSets(std::unordered_set<std::string>& into, std::unordered_set<std::string>& from) {
    if (into.size() < from.size()) into.swap(from);
    into.merge(from);
}

} // namespace

void Walk::walkStretch(std::size_t first, std::size_t last, bool insideBlocks) {
    if (!m_walked && first > 0) {
        // Lines past the first of a file follow commands, almost always.
        m_firstLine = first;
        m_seenCode = true;
        // As good as unbounded: joining checks how many of them closed.
        if (insideBlocks) m_outsideBlocks = SIZE_MAX / 2;
    }
    m_walked = true;
    LineJoiner joiner(m_lines, first, last);
    while (joiner.next(m_line)) {
        m_text = m_line.text;
        walkLine();
    }
}

// `next` started with commands seen, no FOR list open, no directive pending
// for its first line and live code (or a label a jump names first), and
// either at the top level (a statement under way ends at its first line) or
// inside more blocks than it closes (so all of it belongs to the statement
// under way).
bool Walk::goesOnAs(const Walk& next) const {
    const bool inside = next.m_outsideBlocks > 0;
    const bool blocks = inside ? m_blocks.size() > next.m_outsideClosed : m_blocks.empty();
    return blocks && !m_pendingForSet && m_nextDisabled.none() && m_seenCode && (!m_skipping || next.m_startRevived);
}

std::vector<Walk::Decided> Walk::decideOutsideReads(Walk& next) {
    std::vector<Decided> decided;
    if (next.m_outsideBlocks == 0) return decided;
    auto& sets = m_setInStatement;
    for (auto& event : next.m_outsideEvents) {
        if (event.elseBranch) {
            const std::size_t firstCommand = m_blocks[m_blocks.size() - event.closed].firstCommand;
            std::erase_if(sets, [&](const auto& set) { return set.second > firstCommand; });
        } else if (!m_endlocalStatement && (event.staleHere || sets.contains(event.variable)) &&
                   m_staleReported.insert(event.variable).second && event.draft) {
            decided.push_back({event.position, made(*event.draft)});
        }
    }
    // The statement goes on in `next`: its sets join those made before it.
    for (auto& [name, index] : next.m_setInStatement) sets.emplace(name, index + m_commandIndex);
    next.m_setInStatement = std::move(sets);
    next.m_staleReported = std::move(m_staleReported);
    next.m_endlocalStatement = m_endlocalStatement;
    m_blocks.resize(m_blocks.size() - next.m_outsideClosed);
    return decided;
}

void Walk::handOver(Walk& next) {
    if (next.m_outsideBlocks == 0) {
        for (auto& set : next.m_setInStatement) set.second += m_commandIndex;
        m_blocks.clear();
    }
    if (m_skipping && next.m_startRevived) {
        const std::string_view line = m_lines[next.m_firstLine];
        endDeadCode(labelName(line, line.find_first_not_of(" \t@,;=")));
    }
    std::vector<Decided> decided = decideOutsideReads(next);
    for (auto& block : next.m_blocks) block.firstCommand += m_commandIndex;
    next.m_blocks.insert(next.m_blocks.begin(), m_blocks.begin(), m_blocks.end());
    next.m_commandIndex += m_commandIndex;
    next.m_outsideBlocks = 0;
    next.m_outsideClosed = 0;
    next.m_outsideEvents.clear();
    next.m_settledStale.clear();
    takeFindings(next, std::move(decided));
    takeLists(next);
}

// Findings of `next` the walk before would have silenced go: those switched
// off for the whole file, and Q113 findings about a variable it surely set.
void Walk::takeFindings(Walk& next, std::vector<Decided>&& decided) {
    std::vector<bool> silencedBefore(next.m_findings.size(), false);
    for (const auto& unless : next.m_unlessSet)
        silencedBefore[unless.index] = std::any_of(unless.variables.begin(), unless.variables.end(), [&](const std::string& name) {
            return (!unless.afterShift || !isArgument(name)) && m_surelySet.contains(name);
        });
    if (m_labelSeen || m_delayedSeen)
        for (const std::size_t index : next.m_offUnlessBefore) silencedBefore[index] = true;
    next.m_offUnlessBefore.clear();
    next.m_labelSeen = next.m_labelSeen || m_labelSeen;
    next.m_delayedSeen = next.m_delayedSeen || m_delayedSeen;
    const auto offFile = [&](const checker::Finding& f) {
        const CodeDef* def = codeDefOf(f.code);
        return def != nullptr && m_fileDisabled[static_cast<std::size_t>(def->code)];
    };
    auto add = [&](checker::Finding&& finding, std::string&& key) {
        m_findings.push_back(std::move(finding));
        m_keys.push_back(std::move(key));
    };
    std::vector<std::size_t> kept(next.m_findings.size(), SIZE_MAX);
    auto extra = decided.begin();
    for (std::size_t i = 0; i <= next.m_findings.size(); ++i) {
        for (; extra != decided.end() && extra->position == i; ++extra)
            if (!offFile(extra->finding)) add(std::move(extra->finding), {});
        if (i == next.m_findings.size() || silencedBefore[i] || offFile(next.m_findings[i])) continue;
        kept[i] = m_findings.size();
        add(std::move(next.m_findings[i]), std::move(next.m_keys[i]));
    }
    for (auto& deferred : next.m_deferred)
        if (kept[deferred.index] != SIZE_MAX) m_deferred.push_back({std::move(deferred.variable), kept[deferred.index]});
    next.m_findings = std::move(m_findings);
    next.m_keys = std::move(m_keys);
    next.m_deferred = std::move(m_deferred);
    next.m_unlessSet.clear();
    next.m_fileDisabled = m_fileDisabled;
    // A SHIFT in `next` ends the guards of arguments made before it.
    if (next.m_shifted) std::erase_if(m_surelySet, [](const std::string& name) { return isArgument(name); });
    next.m_shifted = next.m_shifted || m_shifted;
    joinSets(next.m_surelySet, m_surelySet);
    joinSets(next.m_mayBeEmpty, m_mayBeEmpty);
}

// Labels in file order; variables by their first appearance in the file.
void Walk::takeLists(Walk& next) {
    auto& labels = m_lists.labels;
    labels.insert(labels.end(), std::make_move_iterator(next.m_lists.labels.begin()),
                  std::make_move_iterator(next.m_lists.labels.end()));
    next.m_lists.labels = std::move(labels);
    auto& variables = m_lists.variables;
    for (std::size_t i = next.m_givenVariables; i < next.m_lists.variables.size(); ++i)
        if (!m_listed.contains(text::toUpper(next.m_lists.variables[i]))) variables.push_back(std::move(next.m_lists.variables[i]));
    next.m_lists.variables = std::move(variables);
    joinSets(next.m_listed, m_listed);
    next.m_firstLine = m_firstLine;
}

} // namespace core::cmdcheck
