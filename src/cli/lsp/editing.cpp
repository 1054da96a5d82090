#include "cli/lsp/editing.h"

#include "cli/lsp/name_uses.h"
#include "core/fixes/apply.h"
#include "core/fixes/builders.h"

#include <stdexcept>

namespace cli::lsp {
namespace {

constexpr int HIGHLIGHT_READ = 2;
constexpr int HIGHLIGHT_WRITE = 3;
constexpr std::string_view FIX_ALL_KIND = "source.fixAll";

Json position(const TextDocument& doc, std::size_t line, std::size_t column) {
    return {{"line", line}, {"character", doc.utf16Of(line, column)}};
}

Json rangeOf(const TextDocument& doc, const NamePlace& place) {
    return {{"start", position(doc, place.line, place.column)},
            {"end", position(doc, place.line, place.column + place.name.size())}};
}

Json textEdits(const TextDocument& doc, const std::vector<core::fixes::Edit>& edits) {
    Json out = Json::array();
    for (const auto& edit : edits)
        out.push_back({{"range",
                        {{"start", position(doc, edit.start.line, edit.start.column)},
                         {"end", position(doc, edit.end.line, edit.end.column)}}},
                       {"newText", edit.text}});
    return out;
}

Json workspaceEdit(const std::string& uri, Json edits) { return {{"changes", {{uri, std::move(edits)}}}}; }

// Whether the client asked for this kind of action (no "only": every kind).
bool wanted(const Json& params, std::string_view kind) {
    const Json* only = params.contains("context") ? &params["context"] : nullptr;
    if (!only || !only->contains("only")) return true;
    for (const auto& asked : only->at("only")) {
        const auto name = asked.get<std::string>();
        if (kind == name || kind.starts_with(name + ".")) return true;
    }
    return false;
}

// The views of the lines the checker read.
std::vector<std::string_view> viewsOf(const TextDocument& doc) {
    return {doc.projected().begin(), doc.projected().end()};
}

// Every safe fix, round after round, as one edit over the lines that changed.
std::optional<Json> fixAllEdit(const TextDocument& doc, core::checker::RuleChoice rules) {
    std::string text;
    for (const auto& line : doc.lines()) text += line + "\n";
    const auto outcome = core::fixes::fixText(text, {.rules = rules});
    if (!outcome.changed()) return std::nullopt;
    const TextDocument fixed(outcome.text);
    const auto& before = doc.lines();
    const auto& after = fixed.lines();
    std::size_t first = 0;
    while (first < before.size() && first < after.size() && before[first] == after[first]) ++first;
    std::size_t tail = 0;
    while (tail + first < before.size() && tail + first < after.size() &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (first + tail >= before.size() || first + tail >= after.size()) return std::nullopt;
    const std::size_t last = before.size() - 1 - tail;
    std::string replacement;
    for (std::size_t i = first; i < after.size() - tail; ++i) replacement += (i > first ? "\n" : "") + after[i];
    return Json::array({{{"range", {{"start", position(doc, first, 0)}, {"end", {{"line", last}, {"character", doc.utf16Length(last)}}}}},
                         {"newText", replacement}}});
}

} // namespace

Json codeActions(const TextDocument& doc, const std::string& uri, core::checker::RuleChoice rules, const Json& params) {
    Json out = Json::array();
    const auto firstLine = params.at("range").at("start").at("line").get<std::size_t>();
    const auto lastLine = params.at("range").at("end").at("line").get<std::size_t>();
    const auto lines = viewsOf(doc);
    if (wanted(params, "quickfix")) {
        for (const auto& finding : lintDocument(doc, rules)) {
            if (finding.line == 0 || finding.line - 1 < firstLine || finding.line - 1 > lastLine) continue;
            for (const auto& fix : core::fixes::fixesFor(finding, lines)) {
                const bool safe = fix.safety == core::fixes::Safety::Safe;
                out.push_back({{"title", fix.title + (safe ? "" : " (suggested)")},
                               {"kind", "quickfix"},
                               {"diagnostics", diagnostics(doc, {finding})},
                               {"isPreferred", safe},
                               {"edit", workspaceEdit(uri, textEdits(doc, fix.edits))}});
            }
        }
    }
    if (wanted(params, FIX_ALL_KIND))
        if (auto edits = fixAllEdit(doc, rules))
            out.push_back({{"title", "Fix all safe problems"}, {"kind", FIX_ALL_KIND}, {"edit", workspaceEdit(uri, std::move(*edits))}});
    return out;
}

Json rename(const TextDocument& doc, const std::string& uri, const Json& where, const std::string& newName) {
    const auto line = where.at("line").get<std::size_t>();
    const auto thing = namedAt(doc.projected(), line, doc.columnOf(line, where.at("character").get<std::size_t>()));
    if (!thing) throw std::invalid_argument("there is no label or variable here to rename");
    if (const auto why = unusableName(thing->kind, newName); !why.empty()) throw std::invalid_argument(why);
    Json edits = Json::array();
    for (const auto& use : thing->uses) edits.push_back({{"range", rangeOf(doc, use.place)}, {"newText", newName}});
    return workspaceEdit(uri, std::move(edits));
}

Json documentHighlights(const TextDocument& doc, const Json& where) {
    const auto line = where.at("line").get<std::size_t>();
    const auto thing = namedAt(doc.projected(), line, doc.columnOf(line, where.at("character").get<std::size_t>()));
    if (!thing) return nullptr;
    Json out = Json::array();
    for (const auto& use : thing->uses)
        out.push_back({{"range", rangeOf(doc, use.place)}, {"kind", use.defines ? HIGHLIGHT_WRITE : HIGHLIGHT_READ}});
    return out;
}

} // namespace cli::lsp
