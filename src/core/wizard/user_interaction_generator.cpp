#include "core/wizard/user_interaction_generator.h"

#include "core/aids/short_path.h"
#include "core/wizard/wizard_texts.h"

#include <string_view>
#include <vector>

namespace core::wizard {
namespace {

struct Choice {
    int number;                  // 1, 2 or 3
    const std::string& program;  // Edit7, Edit6, Edit8
    const std::string& message;  // Edit9, Edit10, Edit11
    std::string_view forgotProgram;
    std::string_view forgotMessage;
    std::string_view label;      // CHOICEONE, CHOICETWO, OPTIONTHREE
};

std::vector<Choice> choicesOf(const UserInteractionChoices& page) {
    std::vector<Choice> choices = {
        {1, page.Edit7, page.Edit9, texts::FORGOT_FIRST_PROGRAM, texts::FORGOT_FIRST_MESSAGE, "CHOICEONE"},
        {2, page.Edit6, page.Edit10, texts::FORGOT_SECOND_PROGRAM, texts::FORGOT_SECOND_MESSAGE, "CHOICETWO"},
    };
    if (page.CheckBox14)
        choices.push_back({3, page.Edit8, page.Edit11, texts::FORGOT_THIRD_PROGRAM, texts::FORGOT_THIRD_MESSAGE,
                           "OPTIONTHREE"});
    return choices;
}

bool noKey(const std::string& key) { return key.empty() || key == " "; }

// Every check, in order; each failure is shown. Returns the warnings' count.
int failedChecks(const UserInteractionChoices& page, GeneratorContext& context) {
    std::vector<std::string_view> failures;
    if (page.Edit5.empty()) failures.push_back(texts::FORGOT_QUESTION);
    if (noKey(page.MaskEdit1)) failures.push_back(texts::FORGOT_FIRST_KEY);
    if (noKey(page.MaskEdit2)) failures.push_back(texts::FORGOT_SECOND_KEY);
    if (page.CheckBox14 && noKey(page.MaskEdit3)) failures.push_back(texts::FORGOT_THIRD_KEY);
    for (const auto& choice : choicesOf(page)) {
        const auto action = page.action(choice.number);
        if (action == ChoiceAction::RunProgram && choice.program.empty()) failures.push_back(choice.forgotProgram);
        if (action == ChoiceAction::DisplayMessage && choice.message.empty()) failures.push_back(choice.forgotMessage);
    }
    if (page.timeDelay() && page.MaskEdit4 == UserInteractionChoices::BLANK_DELAY)
        failures.push_back(texts::FORGOT_TIME_DELAY);
    for (const auto failure : failures) context.warn(std::string(failure));
    return static_cast<int>(failures.size());
}

std::string choiceLine(const UserInteractionChoices& page) {
    std::string keys = page.MaskEdit1 + page.MaskEdit2 + (page.CheckBox14 ? page.MaskEdit3 : "");
    std::string line = "CHOICE /C" + keys;
    if (page.caseSensitive()) line += " /S";
    if (page.timeDelay()) {
        // A default key never chosen falls back to the first key.
        const auto defaultKey = page.defaultKey().empty() ? page.MaskEdit1 : page.defaultKey();
        line += " /T:" + defaultKey + "," + page.MaskEdit4;
    }
    return line + " " + page.Edit5;
}

void appendAction(const UserInteractionChoices& page, const Choice& choice, GeneratorContext& context) {
    switch (page.action(choice.number)) {
    case ChoiceAction::RunProgram: context.appendLine(aids::shortPathOfText(context.files, choice.program)); return;
    case ChoiceAction::DisplayMessage: context.appendLine("ECHO " + choice.message); return;
    case ChoiceAction::Nothing: return;
    }
}

} // namespace

std::string choiceLabelSuffix(int entryPosition) {
    if (entryPosition >= 0 && entryPosition <= 25) return std::string(1, static_cast<char>('A' + entryPosition));
    return std::to_string(entryPosition - 25);
}

void generateChoice(const UserInteractionChoices& page, GeneratorContext& context) {
    if (failedChecks(page, context) > 0) return;
    context.appendLine(choiceLine(page));
    const auto suffix = choiceLabelSuffix(context.entryPosition);
    const auto choices = choicesOf(page);
    for (auto choice = choices.rbegin(); choice != choices.rend(); ++choice)
        context.appendLine("IF ERRORLEVEL==" + std::to_string(choice->number) + " GOTO " + suffix + std::string(choice->label));
    context.appendLine("");
    for (const auto& choice : choices) {
        context.appendLine(":" + suffix + std::string(choice.label));
        appendAction(page, choice, context);
        context.appendLine("GOTO END" + suffix);
        context.appendLine("");
    }
    context.appendLine(":END" + suffix);
}

} // namespace core::wizard
