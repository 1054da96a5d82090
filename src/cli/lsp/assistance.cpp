#include "cli/lsp/features.h"

#include "cli/lsp/batch_scan.h"
#include "cli/lsp/position.h"
#include "core/cmdcheck/code_help.h"
#include "core/info/command_help.h"
#include "core/text/codepage.h"

namespace cli::lsp {
namespace {

constexpr int ITEM_VARIABLE = 6;
constexpr int ITEM_KEYWORD = 14;
constexpr int ITEM_REFERENCE = 18;

// A word in bold where markdown is shown, as it is in plain text.
std::string strong(std::string_view word, TextFormat format) {
    const std::string text(word);
    return format == TextFormat::Markdown ? "**" + text + "**" : text;
}

std::string commandHover(const core::info::CommandHelp& help, TextFormat format) {
    return strong(help.word, format) + ": " + std::string(help.summary);
}

std::string codeHover(const core::cmdcheck::CodeHelp& help, TextFormat format) {
    std::string text = strong(help.code, format);
    text.append(": ").append(help.title).append("\n\n").append(help.meaning);
    text.append("\n\nFix: ").append(help.fix);
    return text;
}

Json items(const std::vector<std::string>& names, int kind) {
    Json out = Json::array();
    for (const auto& name : names) out.push_back({{"label", core::text::toUtf8(name)}, {"kind", kind}});
    return out;
}

} // namespace

Json hover(const TextDocument& doc, const std::vector<core::checker::Finding>& findings, const Json& position,
           TextFormat format) {
    const auto [line, character] = positionOf(position);
    const auto column = doc.columnOf(line, character);
    std::string text;
    if (const auto word = wordAt(doc.projected(), line, column)) {
        if (const auto help = core::info::commandHelpFor(word->name)) text = commandHover(*help, format);
        else if (looksLikeCode(word->name))
            if (const auto* topic = core::cmdcheck::codeHelp(word->name)) text = codeHover(*topic, format);
    }
    const std::string rule = format == TextFormat::Markdown ? "\n\n---\n\n" : "\n\n";
    for (const auto& f : findings) {
        const bool onLine = f.line == line + 1;
        const bool inside = f.length == 0 || (column + 1 >= f.column && column + 1 < f.column + f.length);
        if (!onLine || !inside) continue;
        if (const auto* help = core::cmdcheck::codeHelp(f.code)) text += (text.empty() ? "" : rule) + codeHover(*help, format);
    }
    if (text.empty()) return nullptr;
    const char* kind = format == TextFormat::Markdown ? "markdown" : "plaintext";
    return {{"contents", {{"kind", kind}, {"value", text}}}};
}

Json completion(const TextDocument& doc, const Json& position) {
    const auto [line, character] = positionOf(position);
    if (line >= doc.projected().size()) return Json::array();
    const auto column = doc.columnOf(line, character);
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
