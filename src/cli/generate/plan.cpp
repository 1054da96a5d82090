#include "cli/generate/plan.h"

#include "core/text/codepage.h"
#include "core/wizard/section_table.h"

namespace cli {
namespace {

using nlohmann::json;

std::vector<std::string> stringList(const json& value, const std::string& key) {
    if (!value.is_array()) throw PlanError("\"" + key + "\" must be an array of strings");
    std::vector<std::string> out;
    for (const auto& item : value) {
        if (!item.is_string()) throw PlanError("\"" + key + "\" must be an array of strings");
        out.push_back(item.get<std::string>());
    }
    return out;
}

std::vector<std::string> entryTexts(const json& value, const std::string& key) {
    auto texts = stringList(value, key);
    for (const auto& text : texts)
        if (!core::wizard::findSection(text)) throw PlanError("\"" + key + "\" names no wizard section: \"" + text + "\"");
    return texts;
}

std::vector<bool> answersOf(const json& value) {
    std::vector<bool> answers;
    for (const auto& text : stringList(value, "answers")) {
        if (text != "yes" && text != "no") throw PlanError("\"answers\" holds \"yes\" or \"no\", not \"" + text + "\"");
        answers.push_back(text == "yes");
    }
    return answers;
}

std::vector<std::string> documentOf(const json& value) {
    std::vector<std::string> lines;
    for (const auto& line : stringList(value, "document")) {
        if (line.find_first_of("\r\n") != std::string::npos)
            throw PlanError("\"document\" holds a line break; each string is one line");
        lines.push_back(line);
    }
    return lines;
}

core::wizard::Target targetOf(const json& value) {
    const auto target = value.is_string() ? core::wizard::targetOfKey(value.get<std::string>()) : std::nullopt;
    if (!target) throw PlanError("\"target\" is \"windows\" or \"classic\"");
    return *target;
}

} // namespace

Plan parsePlan(const std::string& text) {
    // A plan is a few levels deep. Deeper nesting is refused while it is read,
    // before copying or comparing the tree recursively can exhaust the stack.
    constexpr int MAX_DEPTH = 16;
    const auto limitDepth = [](int depth, json::parse_event_t, json&) {
        if (depth > MAX_DEPTH) throw PlanError("the plan nests deeper than " + std::to_string(MAX_DEPTH) + " levels");
        return true;
    };
    const auto root = json::parse(text, limitDepth, /*allow_exceptions=*/false);
    if (root.is_discarded()) throw PlanError("the plan is not valid JSON");
    if (!root.is_object()) throw PlanError("the plan must be a JSON object");
    Plan plan;
    for (const auto& [key, value] : root.items()) {
        if (key == "document") plan.document = documentOf(value);
        else if (key == "fields") {
            if (!value.is_object()) throw PlanError("\"fields\" must be an object");
            plan.fields = value;
        } else if (key == "order") plan.order = entryTexts(value, key);
        else if (key == "excluded") plan.excluded = entryTexts(value, key);
        else if (key == "answers") plan.answers = answersOf(value);
        else if (key == "target") plan.target = targetOf(value);
        else throw PlanError("unknown key \"" + key + "\"");
    }
    return plan;
}

void applyDialogChoices(const Plan& plan, core::wizard::UpdateList& list) {
    std::size_t placed = 0;
    for (const auto& text : plan.order) {
        auto index = list.indexOf(text);
        if (index == list.size() || index < placed) continue; // not chosen, or already placed
        while (index > placed) list.moveUp(index--);
        ++placed;
    }
    for (const auto& text : plan.excluded) {
        const auto index = list.indexOf(text);
        if (index < list.size() && list.at(index).included) list.toggle(index);
    }
}

} // namespace cli
