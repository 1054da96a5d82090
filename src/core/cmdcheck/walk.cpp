#include "core/cmdcheck/walk.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <array>

namespace core::cmdcheck {
Walk::Walk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
           documents::PickLists& lists, const std::vector<std::string>& ignored)
    : m_lines(lines), m_index(index), m_colours(&colours), m_keepColours(colours.keepsSpans()), m_lists(lists),
      m_givenVariables(lists.variables.size()), m_ignored(ignored.begin(), ignored.end()) {
    for (const auto& name : lists.variables) m_listed.insert(text::toUpper(name));
}

checker::CheckResult Walk::run() {
    m_lists.labels.clear();
    m_colours->resetColours();
    // A .cmd file that opens with "/*" is a REXX program, not a batch file.
    if (isRexx(m_lines)) return {};
    walkStretch(0, m_lines.size());
    return finish();
}

checker::CheckResult Walk::finish() {
    m_commandWord = {};
    const std::size_t last = m_lines.empty() ? 0 : m_lines.size() - 1;
    if (m_pendingForSet)
        reportAt(m_pendingFor.line, m_pendingFor.column, 3, Code::ForSyntax,
                 "the list after IN is never closed with ')'.");
    if (!m_blocks.empty())
        reportAt(last, 0, 0, Code::BlockNotClosed, std::to_string(m_blocks.back().line + 1));
    // A variable compared unquoted is taken to be always set unless the file
    // itself clears it or tests whether it is empty.
    std::vector<bool> dropped(m_findings.size(), false);
    for (const auto& deferred : m_deferred) dropped[deferred.index] = !m_mayBeEmpty.contains(deferred.variable);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < m_findings.size(); ++i)
        if (!dropped[i]) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& x = m_findings[a];
        const auto& y = m_findings[b];
        return x.line != y.line ? x.line < y.line : x.column < y.column;
    });
    checker::CheckResult result;
    for (std::size_t i : order) {
        result.findings.push_back(std::move(m_findings[i]));
        result.findings.back().ignoreKey = std::move(m_keys[i]);
    }
    return result;
}

void Walk::walkLine() {
    std::size_t pos = skipCommandBlanks(0);
    if (pos >= m_text.size()) return;
    // A new statement: what the one before set and reported is forgotten
    // (also when an ELSE took back every SET of it).
    if (atTopLevel() && (!m_setInStatement.empty() || !m_staleReported.empty())) {
        m_setInStatement = {};
        m_staleReported = {};
    }
    if (atTopLevel()) m_endlocalStatement = false;
    if (m_text[pos] == ':' && labelLine(pos)) return;
    if (markedVbs(m_text)) return;
    if (m_skipping) {
        deadLine(pos);
        return;
    }
    m_lineDisabled = m_nextDisabled;
    m_nextDisabled.reset();
    m_quoteReported = false;
    m_conditional = false;
    // The Ignore list silences a finding by its command's word: none yet on this line.
    m_commandWord = {};
    m_forLine = m_pendingForSet;
    m_afterEndlocal = false;
    lineEndRules();
    if (m_pendingForSet) {
        const std::size_t close = forSetEnd(0);
        if (close == std::string_view::npos) return;
        m_pendingForSet = false;
        m_conditional = true;
        pos = forAfterSet(close + 1);
    }
    parseSequence(pos);
}

// Files that hold a VBScript part among the batch code mark its lines with a
// trailing 'VBS comment; cmd never runs them (the batch code jumps over them).
bool Walk::markedVbs(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t");
    return end != std::string_view::npos && end >= 3 && (text[end] | 0x20) == 's' && text[end - 3] == '\'' &&
           (text[end - 2] | 0x20) == 'v' && (text[end - 1] | 0x20) == 'b';
}

// A ":NAME" line is a label and ends dead code; a "::" line is a comment.
bool Walk::labelLine(std::size_t pos) {
    if (pos + 1 < m_text.size() && m_text[pos + 1] == ':') {
        colour(pos, m_text.size() - pos, ports::ColourRole::Comment);
        commentDirective(m_text.substr(pos));
        return true;
    }
    const std::string_view name = labelName(m_text, pos);
    colour(pos, name.size() + 1, ports::ColourRole::Label);
    m_labelSeen = true;
    m_lists.labels.emplace_back(name);
    // Dead code goes on past a label nothing jumps to.
    if (m_index.jumpedTo(name)) {
        endDeadCode(name);
        m_skipping = false;
        m_startRevived = m_startRevived || m_line.firstLine == m_firstLine;
    }
    return true;
}

// An unconditional jump or EXIT at the top level: the lines up to the next
// label a jump names are dead.
void Walk::startSkipping(bool reportable) {
    if (!atTopLevel() || m_conditional) return;
    m_skipping = true;
    m_deadLine = NO_LINE;
    m_deadReportable = reportable;
}

// A dead line starts the stretch reported unless it is a comment (REM, or a
// '#' line files mark sections with) or one more jump or EXIT, kept there as
// a safety net.
void Walk::deadLine(std::size_t pos) {
    if (m_deadLine != NO_LINE || !m_deadReportable || m_text[pos] == '#') return;
    std::size_t end = pos;
    while (end < m_text.size() && isLetter(m_text[end])) ++end;
    if (end == m_text.size() || !isLetterOrDigit(m_text[end])) {
        const UpperWord word(m_text.substr(pos, end - pos));
        if (word.view() == "REM" || word.view() == "GOTO" || word.view() == "EXIT") return;
    }
    const Place at = m_line.placeOf(pos);
    m_deadLine = at.line;
    m_deadColumn = at.column;
    m_deadLength = m_line.lengthOnLine(pos, m_text.size() - pos);
}

// The tail of a file after its last live code is never reported: hybrid
// files keep another language's code or data there.
void Walk::endDeadCode(std::string_view name) {
    if (m_skipping && m_deadLine != NO_LINE) reportAt(m_deadLine, m_deadColumn, m_deadLength, Code::DeadCode, name);
    m_deadLine = NO_LINE;
}

// "qlt: disable=Q101,Q113" in a comment: for the whole file when no command
// came before it, otherwise for the next line.
void Walk::commentDirective(std::string_view comment) {
    const std::string upper = text::toUpper(comment);
    const std::size_t mark = upper.find("QLT:");
    if (mark == std::string::npos) return;
    const std::size_t key = upper.find("DISABLE=", mark);
    if (key == std::string::npos) return;
    auto& into = m_seenCode ? m_nextDisabled : m_fileDisabled;
    std::size_t pos = key + 8;
    while (pos < upper.size()) {
        std::size_t end = pos;
        while (end < upper.size() && isLetterOrDigit(upper[end])) ++end;
        if (end == pos) break;
        if (const CodeDef* def = codeDefOf(std::string_view(upper).substr(pos, end - pos)))
            into.set(static_cast<std::size_t>(def->code));
        pos = end;
        while (pos < upper.size() && (upper[pos] == ',' || isBlank(upper[pos]))) ++pos;
    }
}

void Walk::openBlock(std::size_t pos) {
    const Place at = m_line.placeOf(pos);
    m_blocks.push_back({at.line, at.column, m_commandIndex});
}

// A ')' at the start of a command closes the innermost block; ELSE may follow.
std::size_t Walk::closeParen(std::size_t pos) {
    m_commandWord = {};
    if (atTopLevel()) {
        report({Code::StrayClose, pos, 1, {}, {}});
        return m_text.size();
    }
    const std::size_t firstCommand = popBlock();
    pos = skipBlanks(pos + 1);
    std::size_t end = pos;
    while (end < m_text.size() && isLetter(m_text[end])) ++end;
    if (end - pos == 4 && text::toUpper(m_text.substr(pos, 4)) == "ELSE") {
        colour(pos, 4, ports::ColourRole::Command);
        m_conditional = true;
        // The two branches never both run: the IF branch's SETs are not stale in the ELSE branch.
        if (firstCommand == OUTSIDE) elseAfterOutsideBlock();
        else std::erase_if(m_setInStatement, [&](const auto& set) { return set.second > firstCommand; });
        return end;
    }
    return pos;
}

std::size_t Walk::popBlock() {
    if (m_blocks.empty()) {
        --m_outsideBlocks;
        ++m_outsideClosed;
        return OUTSIDE;
    }
    const std::size_t firstCommand = m_blocks.back().firstCommand;
    m_blocks.pop_back();
    return firstCommand;
}

bool Walk::hasLabel(std::string_view name) const { return m_index.labels.contains(name); }

bool Walk::silenced(Code code) const {
    const auto bit = static_cast<std::size_t>(code);
    return m_fileDisabled[bit] || m_lineDisabled[bit] || (!m_commandWord.empty() && !m_ignored.empty() && m_ignored.contains(text::toUpper(m_commandWord)));
}

Walk::PlacedDraft Walk::place(const FindingDraft& draft) const {
    const Place at = m_line.placeOf(draft.offset);
    const std::size_t length = draft.length == 0 ? 0 : std::max<std::size_t>(m_line.lengthOnLine(draft.offset, draft.length), 1);
    return {draft.code, at, length, draft.a, draft.b};
}

checker::Finding Walk::made(const PlacedDraft& draft) {
    const CodeDef& def = codeDef(draft.code);
    checker::Finding finding;
    finding.line = draft.at.line + 1;
    finding.column = draft.at.column + 1;
    finding.length = draft.length;
    finding.code = std::string(def.id);
    finding.severity = def.severity;
    finding.buttons = draft.code == Code::NearMissCommand ? ports::Buttons::OkIgnoreAbort : ports::Buttons::OkAbort;
    finding.text = formatCodeMessage(draft.code, finding.line, draft.a, draft.b);
    return finding;
}

void Walk::report(const FindingDraft& draft) {
    if (silenced(draft.code)) return;
    checker::Finding finding = made(place(draft));
    if (draft.code == Code::IfEmptyOperand && !m_emptyCandidate.empty())
        m_deferred.push_back({m_emptyCandidate, m_findings.size()});
    if (draft.code == Code::IfEmptyOperand && m_firstLine > 0)
        m_unlessSet.push_back({m_findings.size(), m_operandVariables, m_shifted});
    m_findings.push_back(std::move(finding));
    m_keys.push_back(draft.code == Code::NearMissCommand ? text::toUpper(m_commandWord) : std::string());
}

void Walk::reportAt(std::size_t line, std::size_t column, std::size_t length, Code code, std::string_view a) {
    const CodeDef& def = codeDef(code);
    if (m_fileDisabled[static_cast<std::size_t>(code)]) return;
    checker::Finding finding;
    finding.line = line + 1;
    finding.column = column + 1;
    finding.length = length;
    finding.code = std::string(def.id);
    finding.severity = def.severity;
    finding.text = formatCodeMessage(code, finding.line, a);
    m_findings.push_back(std::move(finding));
    m_keys.emplace_back();
}

} // namespace core::cmdcheck
