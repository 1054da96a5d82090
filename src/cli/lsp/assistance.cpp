#include "cli/lsp/features.h"

#include "cli/lsp/batch_scan.h"
#include "core/cmdcheck/code_help.h"
#include "core/info/command_help.h"
#include "core/text/codepage.h"

namespace cli::lsp {
namespace {

constexpr int ITEM_VARIABLE = 6;
constexpr int ITEM_KEYWORD = 14;
constexpr int ITEM_REFERENCE = 18;

std::string commandHover(const core::info::CommandHelp& help) {
    return "**" + std::string(help.word) + "**: " + std::string(help.summary) + "\n\nHelp: " + std::string(help.page);
}

std::string codeHover(const core::cmdcheck::CodeHelp& help) {
    std::string text = "**";
    text.append(help.code).append("**: ").append(help.title).append("\n\n").append(help.meaning);
    text.append("\n\nFix: ").append(help.fix);
    return text;
}

Json markdown(const std::string& text) { return {{"contents", {{"kind", "markdown"}, {"value", text}}}}; }

Json items(const std::vector<std::string>& names, int kind) {
    Json out = Json::array();
    for (const auto& name : names) out.push_back({{"label", core::text::toUtf8(name)}, {"kind", kind}});
    return out;
}

} // namespace

Json hover(const TextDocument& doc, const std::vector<core::checker::Finding>& findings, const Json& position) {
    const auto line = position.at("line").get<std::size_t>();
    const auto column = doc.columnOf(line, position.at("character").get<std::size_t>());
    std::string text;
    if (const auto word = wordAt(doc.projected(), line, column)) {
        if (const auto help = core::info::commandHelpFor(word->name)) text = commandHover(*help);
        else if (looksLikeCode(word->name))
            if (const auto* topic = core::cmdcheck::codeHelp(word->name)) text = codeHover(*topic);
    }
    for (const auto& f : findings) {
        const bool onLine = f.line == line + 1;
        const bool inside = f.length == 0 || (column + 1 >= f.column && column + 1 < f.column + f.length);
        if (!onLine || !inside) continue;
        if (const auto* help = core::cmdcheck::codeHelp(f.code)) text += (text.empty() ? "" : "\n\n---\n\n") + codeHover(*help);
    }
    if (text.empty()) return nullptr;
    return markdown(text);
}

Json completion(const TextDocument& doc, const Json& position) {
    const auto line = position.at("line").get<std::size_t>();
    if (line >= doc.projected().size()) return Json::array();
    const auto column = doc.columnOf(line, position.at("character").get<std::size_t>());
    switch (completionContext(doc.projected()[line], column)) {
    case CompletionContext::Label: {
        std::vector<std::string> names;
        for (const auto& label : labelDefinitions(doc.projected())) names.push_back(label.name);
        return items(names, ITEM_REFERENCE);
    }
    case CompletionContext::Variable: return items(setVariables(doc.projected()), ITEM_VARIABLE);
    case CompletionContext::Command: {
        Json out = Json::array();
        for (const auto& help : core::info::commandHelp())
            out.push_back({{"label", help.word}, {"kind", ITEM_KEYWORD}, {"detail", help.summary}});
        return out;
    }
    case CompletionContext::None: break;
    }
    return Json::array();
}

} // namespace cli::lsp
