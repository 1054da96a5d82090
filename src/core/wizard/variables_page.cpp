#include "core/wizard/variables_page.h"

#include <algorithm>
#include <optional>

namespace core::wizard {

namespace {
constexpr std::string_view IF_CONDITION = "IfCondition";
constexpr std::string_view IF_ACTION = "IfAction";

std::optional<std::string> ifAction(const VariablesChoices& page) {
    if (page.RadioButton39) return " " + page.Edit23;
    if (page.RadioButton40) return " GOTO " + page.Edit24;
    return std::nullopt;
}

std::optional<std::string> ifCondition(const VariablesChoices& page) {
    const std::string prefix = page.CheckBox28 ? "IF NOT " : "IF ";
    const std::string existPrefix = page.CheckBox28 ? "IF NOT EXIST " : "IF EXIST ";
    if (page.RadioButton37) return prefix + page.Edit19 + "==" + page.Edit20;
    if (page.RadioButton38) return existPrefix + page.Edit21;
    // The user types the trailing backslash: C:\TEMP\ becomes C:\TEMP\NULL.
    if (page.RadioButton41) return existPrefix + page.Edit22 + "NULL";
    return std::nullopt;
}
} // namespace

void VariablesChoices::visitFields(FieldVisitor& visitor) {
    visitor.check("CheckBox26", CheckBox26);
    visitor.grid("StringGrid1", StringGrid1, VARIABLE_ROWS);
    visitor.check("CheckBox27", CheckBox27);
    visitor.radio("RadioButton37", IF_CONDITION, RadioButton37);
    visitor.text("Edit19", Edit19);
    visitor.text("Edit20", Edit20);
    visitor.radio("RadioButton38", IF_CONDITION, RadioButton38);
    visitor.text("Edit21", Edit21);
    visitor.radio("RadioButton41", IF_CONDITION, RadioButton41);
    visitor.text("Edit22", Edit22);
    visitor.radio("RadioButton39", IF_ACTION, RadioButton39);
    visitor.text("Edit23", Edit23);
    visitor.radio("RadioButton40", IF_ACTION, RadioButton40);
    visitor.text("Edit24", Edit24);
    visitor.check("CheckBox28", CheckBox28);
}

void generateSetVariables(const VariablesChoices& page, GeneratorContext& context) {
    const auto rows = std::min(page.StringGrid1.size(), VARIABLE_ROWS);
    for (std::size_t row = 0; row < rows; ++row) {
        const auto& [name, value] = page.StringGrid1[row];
        if (name.empty() && value.empty()) continue;
        context.appendLine("SET " + name + "=" + value);
        context.lists.addVariable(name);
    }
}

void generateIfStatement(const VariablesChoices& page, GeneratorContext& context) {
    const auto condition = ifCondition(page);
    const auto action = ifAction(page);
    if (condition && action) context.appendLine(*condition + *action);
}

} // namespace core::wizard
