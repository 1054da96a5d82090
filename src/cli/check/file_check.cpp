#include "cli/check/file_check.h"

#include "cli/check/file_bytes.h"
#include "cli/check/file_lines.h"
#include "cli/check/ordered_work.h"
#include "cli/terminal_text.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/name_set.h"
#include "core/cmdcheck/parted_walk.h"
#include "core/text/checker_lines.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

#include <algorithm>
#include <new>

namespace cli {
namespace {

// Past this size the report is handed to `spill`.
constexpr std::size_t SPILL_SIZE = std::size_t{1} << 16;
// Lines per part of a large file: enough to outweigh a thread's hand-over.
constexpr std::size_t PART_LINES = 4096;

class SpanCollector : public core::checker::ColourSink {
public:
    SpanCollector(std::vector<core::ports::ColourSpan>& spans, bool wanted) : m_spans(spans), m_wanted(wanted) {}
    void resetColours() override { m_spans.clear(); }
    void colourSpan(const core::ports::ColourSpan& span) override {
        if (m_wanted) m_spans.push_back(span);
    }
    bool keepsSpans() const override { return m_wanted; }

private:
    std::vector<core::ports::ColourSpan>& m_spans;
    bool m_wanted;
};

// Formats each finding into a report piece as the check makes it.
class ReportSink : public core::checker::FindingSink {
public:
    ReportSink(const std::string& path, const ReportFormatter& formatter, std::string& out)
        : m_path(path), m_formatter(formatter), m_out(out) {}
    void add(core::checker::Finding&& finding) override {
        if (m_any) m_out += m_formatter.itemSeparator();
        m_formatter.finding(m_out, m_path, finding);
        m_any = true;
    }
    bool any() const { return m_any; }

private:
    const std::string& m_path;
    const ReportFormatter& m_formatter;
    std::string& m_out;
    bool m_any = false;
};

// What one part of a file gives: its findings formatted, its labels, variables and colours.
struct Part {
    std::string items;
    core::documents::PickLists lists;
    std::vector<core::ports::ColourSpan> spans;
};

// The lines checked (the one-byte view) and, when that view lost characters,
// the file's own lines the findings quote.
struct CheckedLines {
    std::span<const std::string_view> lines;
    std::span<const std::string_view> own;
};

Part checkPart(const std::string& path, const CheckSettings& settings, CheckedLines lines,
               const core::checker::LabelIndex& labels, std::size_t first, std::size_t last) {
    Part part;
    SpanCollector colours(part.spans, settings.spans);
    std::vector<std::string> ignored = settings.ignoreList;
    core::checker::AnswerOkPrompter prompter;
    ReportSink findings(path, settings.formatter, part.items);
    core::checker::checkSyntax(lines.lines, first, last, labels, {prompter, colours, part.lists, ignored, lines.own},
                               findings);
    return part;
}

// The command interpreter's rules walk a file in parts joined in order (see
// PartedWalk).
FileOutcome checkWhole(const std::string& path, const CheckSettings& settings, CheckedLines checked,
                       const core::cmdcheck::FileIndex& index, std::string& out) {
    const auto lines = checked.lines;
    core::documents::PickLists lists;
    std::vector<core::ports::ColourSpan> spans;
    SpanCollector colours(spans, settings.spans);
    core::cmdcheck::PartedWalk walk(lines, index, colours, lists, settings.ignoreList,
                                    settings.workers > 1 ? PART_LINES : lines.size());
    inOrder(
        walk.parts(), settings.workers, [&](std::size_t i) { return walk.walk(i); },
        [&](std::size_t, core::cmdcheck::WalkedPart&& part) { walk.join(std::move(part)); });
    ReportSink findings(path, settings.formatter, out);
    auto found = walk.finish().findings;
    core::checker::quoteOwnCharacters(found, lines, checked.own);
    for (auto& finding : found) findings.add(std::move(finding));
    settings.formatter.endFile(out, {lists, spans});
    return {true, {}, findings.any()};
}

// The file as the checker reads it: one byte per character in Windows-1252,
// decoded from the encoding asked for or the one Open would detect. A
// Windows-1252 file is read as it is, without a copy. Where the view lacks
// characters of the file, `own` keeps its UTF-8 text for the findings to quote.
std::string_view checkerText(std::string_view bytes, std::optional<core::text::Encoding> asked, std::string& decoded,
                             std::string& own) {
    const auto encoding = asked.value_or(core::text::detectEncoding(bytes, core::text::Encoding::Windows1252));
    if (encoding == core::text::Encoding::Windows1252) return bytes;
    own = core::text::decode(bytes, encoding);
    decoded = core::text::oneBytePerCharacter(own);
    if (decoded.find(core::text::MISSING_CHARACTER) == std::string::npos) own = {};
    return decoded;
}

// How far a file's part of the report may be kept should its check run out of
// memory: the text of `out` up to `whole` ends after a complete item, and
// `shown` says some of the part has already gone out.
struct PartMark {
    std::size_t whole = 0;
    bool shown = false;
};

FileOutcome checkClassic(const std::string& path, const CheckSettings& settings, CheckedLines lines, std::string& out,
                         const std::function<void(std::string&)>& spill, PartMark& mark) {
    const core::checker::LabelIndex labels(lines.lines);
    core::documents::PickLists lists;
    core::checker::NameSet listed;
    std::vector<core::ports::ColourSpan> spans;
    bool any = false;
    const std::size_t parts = (lines.lines.size() + PART_LINES - 1) / PART_LINES;
    inOrder(
        parts, settings.workers,
        [&](std::size_t i) { return checkPart(path, settings, lines, labels, i * PART_LINES, (i + 1) * PART_LINES); },
        [&](std::size_t, Part&& part) {
            if (!part.items.empty()) {
                if (any) out += settings.formatter.itemSeparator();
                if (out.empty()) out.swap(part.items);
                else out += part.items;
                any = true;
            }
            for (auto& label : part.lists.labels) lists.labels.push_back(std::move(label));
            for (auto& variable : part.lists.variables)
                if (listed.insert(variable)) lists.variables.push_back(std::move(variable));
            spans.insert(spans.end(), part.spans.begin(), part.spans.end());
            if (out.size() >= SPILL_SIZE) {
                spill(out);
                mark.shown = mark.shown || out.empty();
            }
            mark.whole = out.size();
        });
    settings.formatter.endFile(out, {lists, spans});
    return {true, {}, any};
}

FileOutcome checkOrThrow(const std::string& path, const CheckSettings& settings, std::string& out,
                         const std::function<void(std::string&)>& spill, PartMark& mark) {
    const FileBytes whole(path);
    if (!whole.ok()) return {false, escapeControls("qlt: " + path + ": " + whole.error()), false};
    if (const auto form = core::text::utf16Mark(whole.bytes()))
        return {false, escapeControls("qlt: " + path + ": " + core::text::utf16Refusal(*form)), false};
    std::string decoded;
    std::string own;
    // The index is made with the lines unless the classic rules are asked for
    // (with automatic rules, a file found to need them has it for nothing).
    const FileLines fileLines(checkerText(whole.bytes(), settings.encoding, decoded, own), settings.workers,
                              settings.rules != core::checker::RuleChoice::Classic);
    const std::vector<std::string_view> ownLines = core::text::splitLineViews(own);
    const CheckedLines lines{fileLines.view(), ownLines};
    // The rules are picked once on the whole file.
    const core::checker::RuleSet rules = core::checker::pickRuleSet(lines.lines, settings.rules);
    settings.formatter.beginFile(out, path, rules);
    mark.whole = out.size();
    if (rules != core::checker::RuleSet::Classic) return checkWhole(path, settings, lines, fileLines.index(), out);
    return checkClassic(path, settings, lines, out, spill, mark);
}

} // namespace

FileOutcome checkFile(const std::string& path, const CheckSettings& settings, std::string& out,
                      const std::function<void(std::string&)>& spill) {
    PartMark mark;
    try {
        return checkOrThrow(path, settings, out, spill, mark);
    } catch (const std::bad_alloc&) {
        // The memory the check held is free again: the part ends whole, or
        // is dropped if none of it has gone out, and the other files go on.
        if (mark.shown) {
            out.resize(mark.whole);
            const core::documents::PickLists none;
            settings.formatter.endFile(out, {none, {}});
        } else {
            out.clear();
        }
        return {false, escapeControls("qlt: " + path + ": not enough memory to check it"), false};
    }
}

} // namespace cli
