#include "cli/lsp/features.h"

#include "cli/lsp/batch_scan.h"
#include "cli/lsp/position.h"
#include "core/text/codepage.h"

namespace cli::lsp {
namespace {

constexpr int SYMBOL_FUNCTION = 12;

Json range(const TextDocument& doc, const NamePlace& place) {
    const std::size_t start = doc.utf16Of(place.line, place.column);
    const std::size_t end = doc.utf16Of(place.line, place.column + place.name.size());
    return {{"start", {{"line", place.line}, {"character", start}}},
            {"end", {{"line", place.line}, {"character", end}}}};
}

Json location(const TextDocument& doc, const std::string& uri, const NamePlace& place) {
    return {{"uri", uri}, {"range", range(doc, place)}};
}

std::optional<NamePlace> labelAtPosition(const TextDocument& doc, const Json& position) {
    const auto [line, character] = positionOf(position);
    return labelAt(doc.projected(), line, doc.columnOf(line, character));
}

} // namespace

Json documentSymbols(const TextDocument& doc) {
    Json out = Json::array();
    for (const auto& label : labelDefinitions(doc.projected())) {
        const Json whole = {{"start", {{"line", label.line}, {"character", 0}}},
                            {"end", {{"line", label.line}, {"character", doc.utf16Length(label.line)}}}};
        out.push_back({{"name", core::text::toUtf8(label.name)},
                       {"kind", SYMBOL_FUNCTION},
                       {"range", whole},
                       {"selectionRange", range(doc, label)}});
    }
    return out;
}

Json definition(const TextDocument& doc, const std::string& uri, const Json& position) {
    const auto label = labelAtPosition(doc, position);
    if (!label) return nullptr;
    for (const auto& def : labelDefinitions(doc.projected()))
        if (sameName(def.name, label->name)) return location(doc, uri, def);
    return nullptr;
}

Json references(const TextDocument& doc, const std::string& uri, const Json& position, bool withDeclaration) {
    Json out = Json::array();
    const auto label = labelAtPosition(doc, position);
    if (!label) return out;
    if (withDeclaration)
        for (const auto& def : labelDefinitions(doc.projected()))
            if (sameName(def.name, label->name)) out.push_back(location(doc, uri, def));
    for (const auto& ref : labelReferences(doc.projected()))
        if (sameName(ref.name, label->name)) out.push_back(location(doc, uri, ref));
    return out;
}

} // namespace cli::lsp
