#include "cli/rule_help.h"

#include "core/checker/messages.h"

#include <algorithm>

namespace cli {
namespace {

// The message template with its blanks named: "line n", "..." for the quoted text.
std::string readableTemplate(std::string_view pattern) {
    std::string out;
    for (std::size_t at = 0; at < pattern.size();) {
        if (pattern.substr(at).starts_with("{line}")) {
            out += 'n';
            at += 6;
        } else if (pattern.substr(at).starts_with("{text}")) {
            out += "...";
            at += 6;
        } else {
            out += pattern[at++];
        }
    }
    return out;
}

// The first sentence, or the part before " - ", as a title.
std::string titleOf(const std::string& text) {
    const std::size_t end = std::min({text.find(" - "), text.find(". "), text.size()});
    return text.substr(0, end);
}

std::vector<RuleHelp> classicRules() {
    std::vector<RuleHelp> rules;
    for (int i = 0; i < static_cast<int>(core::checker::MessageId::Complete); ++i) {
        const auto id = static_cast<core::checker::MessageId>(i);
        std::string text = readableTemplate(core::checker::messageDef(id).text);
        rules.push_back({core::checker::messageCode(id), titleOf(text), std::move(text)});
    }
    return rules;
}

} // namespace

const std::vector<RuleHelp>& knownRules() {
    static const std::vector<RuleHelp> rules = classicRules();
    return rules;
}

std::optional<std::string> explainCode(std::string_view code) {
    for (const auto& rule : knownRules())
        if (rule.code == code) return rule.text;
    return std::nullopt;
}

} // namespace cli
