#include "core/wizard/for_attributes_page.h"

#include "core/text/codepage.h"
#include "core/wizard/line_parts.h"
#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

#include <array>

namespace core::wizard {

namespace {
constexpr std::array<std::string_view, 12> FOR_COMMANDS = {
    "COPY", "XCOPY", "MOVE", "RENAME", "TYPE", "DEL", "START", "ATTRIB", "IF", "IF NOT", "IF EXIST", "IF NOT EXIST",
};

std::string attributeSwitch(bool on, char letter) {
    return std::string(1, on ? '+' : '-') + letter + ' ';
}
} // namespace

std::span<const std::string_view> forCommandSuggestions() {
    return FOR_COMMANDS;
}

const std::vector<std::string>& substDriveLetters() {
    static const std::vector<std::string> letters = [] {
        std::vector<std::string> out;
        for (char letter = 'D'; letter <= 'Z'; ++letter) out.emplace_back(1, letter);
        return out;
    }();
    return letters;
}

void ForAttributesChoices::visitFields(FieldVisitor& visitor) {
    visitor.check("CheckBox29", CheckBox29);
    visitor.memo("Memo5", Memo5);
    visitor.text("ComboBox1", ComboBox1);
    visitor.check("CheckBox43", CheckBox43);
    visitor.text("Edit26", Edit26);
    visitor.check("CheckBox36", CheckBox36);
    visitor.memo("Memo9", Memo9);
    visitor.check("CheckBox38", CheckBox38);
    visitor.check("CheckBox39", CheckBox39);
    visitor.check("CheckBox40", CheckBox40);
    visitor.check("CheckBox41", CheckBox41);
    visitor.check("CheckBox37", CheckBox37);
    visitor.text("Edit33", Edit33);
    visitor.choice("ComboBox5", ComboBox5, substDriveLetters());
}

void generateForStatement(const ForAttributesChoices& page, GeneratorContext& context) {
    // Today's FOR refuses a loop without a command after DO.
    if (context.target == Target::Windows && page.ComboBox1.empty())
        return context.warn(std::string(texts::FOR_WITHOUT_COMMAND));
    // One blank between names, none after the last; a name may be empty.
    std::string files;
    bool first = true;
    for (const auto& line : memoLines(page.Memo5)) {
        if (!first) files += ' ';
        first = false;
        files += pathArgument(context, line);
    }
    // Today's START reads a quoted first argument as the window title: give it an empty one.
    const bool startsFile = context.target == Target::Windows && !page.CheckBox43 && text::equalsIgnoreCase(page.ComboBox1, "START");
    const std::string head = "FOR %%f IN (" + files + ") DO " + page.ComboBox1 + (startsFile ? " \"\"" : "");
    if (page.CheckBox43) return context.appendLine(head + page.Edit26);
    // The Windows line ends with %%f when no argument follows it.
    const bool bare = context.target == Target::Windows && page.Edit26.empty();
    context.appendLine(head + (bare ? " %%f" : " %%f " + page.Edit26));
}

void generateAttributes(const ForAttributesChoices& page, GeneratorContext& context) {
    // Always in the order A, R, S, H, each set or cleared explicitly.
    const std::string switches = attributeSwitch(page.CheckBox39, 'A') + attributeSwitch(page.CheckBox38, 'R') +
                                 attributeSwitch(page.CheckBox41, 'S') + attributeSwitch(page.CheckBox40, 'H');
    for (const auto& line : memoLines(page.Memo9))
        context.appendLine("ATTRIB " + switches + pathArgument(context, line));
}

void generateSubst(const ForAttributesChoices& page, GeneratorContext& context) {
    if (page.Edit33.empty()) return context.warn(std::string(texts::FORGOT_SUBST_PATH));
    if (!page.ComboBox5) return context.warn(std::string(texts::FORGOT_SUBST_LETTER));
    const bool windows = context.target == Target::Windows;
    context.appendLine("SUBST " + *page.ComboBox5 + ": " + (windows ? quotedOnce(page.Edit33) : page.Edit33));
}

} // namespace core::wizard
