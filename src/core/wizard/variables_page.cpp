#include "core/wizard/variables_page.h"

#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

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

// Today's interpreter: both strings in quotes (an empty or blank string would
// break the comparison), paths in quotes, and a folder tested by its trailing
// backslash, as NUL in a folder no longer tells folders from files.
std::optional<std::string> windowsIfCondition(const VariablesChoices& page) {
    const std::string prefix = page.CheckBox28 ? "IF NOT " : "IF ";
    if (page.RadioButton37) return prefix + quotedOnce(page.Edit19) + "==" + quotedOnce(page.Edit20);
    if (page.RadioButton38) return prefix + "EXIST " + quotedOnce(page.Edit21);
    if (page.RadioButton41) return prefix + "EXIST " + quotedOnce(joinedPath(page.Edit22, ""));
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
    // Today's SET refuses a value without a name.
    if (context.target == Target::Windows)
        for (std::size_t row = 0; row < rows; ++row)
            if (page.StringGrid1[row].first.empty() && !page.StringGrid1[row].second.empty())
                return context.warn(std::string(texts::VALUE_WITHOUT_NAME));
    for (std::size_t row = 0; row < rows; ++row) {
        const auto& [name, value] = page.StringGrid1[row];
        if (name.empty() && value.empty()) continue;
        // Quoted, the value ends where the user's text ends and may hold & or |.
        if (context.target == Target::Windows) context.appendLine("SET \"" + name + "=" + value + "\"");
        else context.appendLine("SET " + name + "=" + value);
        context.lists.addVariable(name);
    }
}

void generateIfStatement(const VariablesChoices& page, GeneratorContext& context) {
    const auto condition = context.target == Target::Windows ? windowsIfCondition(page) : ifCondition(page);
    const auto action = ifAction(page);
    // Today's IF refuses a condition without a command.
    const bool noCommand = page.RadioButton39 ? page.Edit23.empty() : page.Edit24.empty();
    if (context.target == Target::Windows && condition && action && noCommand)
        return context.warn(std::string(texts::IF_WITHOUT_COMMAND));
    if (condition && action) context.appendLine(*condition + *action);
}

} // namespace core::wizard
