#include "cli/lsp/features.h"

#include "core/checker/colour_sink.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace cli::lsp {
namespace {

class NoColours : public core::checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan&) override {}
};

int severityNumber(core::checker::Severity severity) {
    switch (severity) {
    case core::checker::Severity::Error: return 1;
    case core::checker::Severity::Warning: return 2;
    case core::checker::Severity::Info: return 3;
    }
    return 2;
}

Json position(std::size_t line, std::size_t character) { return {{"line", line}, {"character", character}}; }

} // namespace

std::vector<core::checker::Finding> lintDocument(const TextDocument& doc, core::checker::RuleChoice choice) {
    NoColours colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    return core::checker::lintLines(doc.projected(), choice, colours, lists, ignored).result.findings;
}

Json diagnostics(const TextDocument& doc, const std::vector<core::checker::Finding>& findings) {
    // Findings are taken line by line, so each line's UTF-16 offsets are counted
    // once however many findings it holds; the answer keeps the findings' order.
    std::vector<std::size_t> order(findings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return findings[a].line < findings[b].line; });
    std::vector<Json> out(findings.size());
    std::optional<std::size_t> tableLine;
    std::vector<std::size_t> offsets;
    for (const std::size_t i : order) {
        const auto& f = findings[i];
        const std::size_t line = f.line == 0 ? 0 : f.line - 1;
        if (tableLine != line) {
            offsets = doc.utf16Columns(line);
            tableLine = line;
        }
        const auto utf16 = [&](std::size_t column) { return offsets[std::min(column, offsets.size() - 1)]; };
        const std::size_t column = f.column == 0 ? 0 : f.column - 1;
        const std::size_t start = utf16(column);
        const std::size_t end = f.length == 0 ? offsets.back() : utf16(column + f.length);
        out[i] = {{"range", {{"start", position(line, start)}, {"end", position(line, std::max(start, end))}}},
                  {"severity", severityNumber(f.severity)},
                  {"code", f.code},
                  {"source", "quillet"},
                  {"message", f.text}};
    }
    return out;
}

} // namespace cli::lsp
