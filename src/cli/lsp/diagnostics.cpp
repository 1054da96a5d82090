#include "cli/lsp/features.h"

#include "core/checker/colour_sink.h"

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
    Json out = Json::array();
    for (const auto& f : findings) {
        const std::size_t line = f.line == 0 ? 0 : f.line - 1;
        const std::size_t column = f.column == 0 ? 0 : f.column - 1;
        const std::size_t start = doc.utf16Of(line, column);
        const std::size_t end = f.length == 0 ? doc.utf16Length(line) : doc.utf16Of(line, column + f.length);
        out.push_back({{"range", {{"start", position(line, start)}, {"end", position(line, std::max(start, end))}}},
                       {"severity", severityNumber(f.severity)},
                       {"code", f.code},
                       {"source", "quillet"},
                       {"message", f.text}});
    }
    return out;
}

} // namespace cli::lsp
