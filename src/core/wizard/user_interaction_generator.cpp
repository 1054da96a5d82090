#include "core/wizard/user_interaction_generator.h"

#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

#include <cctype>
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

// Today's CHOICE takes letters and digits only (the key fields take one character each).
bool keysFitWindows(const UserInteractionChoices& page) {
    const std::string keys = page.MaskEdit1 + page.MaskEdit2 + (page.CheckBox14 ? page.MaskEdit3 : "");
    for (const char key : keys)
        if (!std::isalnum(static_cast<unsigned char>(key))) return false;
    return true;
}

// Every check, in order; each failure is shown. Returns the warnings' count.
int failedChecks(const UserInteractionChoices& page, GeneratorContext& context) {
    std::vector<std::string_view> failures;
    if (page.Edit5.empty()) failures.push_back(texts::FORGOT_QUESTION);
    if (noKey(page.MaskEdit1)) failures.push_back(texts::FORGOT_FIRST_KEY);
    if (noKey(page.MaskEdit2)) failures.push_back(texts::FORGOT_SECOND_KEY);
    if (page.CheckBox14 && noKey(page.MaskEdit3)) failures.push_back(texts::FORGOT_THIRD_KEY);
    if (context.target == Target::Windows && failures.empty() && !keysFitWindows(page))
        failures.push_back(texts::CHOICE_KEYS_NOT_ALPHANUMERIC);
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

// A default key never chosen falls back to the first key.
std::string defaultKeyOf(const UserInteractionChoices& page) {
    return page.defaultKey().empty() ? page.MaskEdit1 : page.defaultKey();
}

// Today's CHOICE: keys after /C, /CS for case, /T seconds with /D the default, /M the prompt.
std::string windowsChoiceLine(const UserInteractionChoices& page) {
    std::string line = "CHOICE /C " + page.MaskEdit1 + page.MaskEdit2 + (page.CheckBox14 ? page.MaskEdit3 : "");
    if (page.caseSensitive()) line += " /CS";
    if (page.timeDelay()) {
        std::string seconds;
        for (const char c : page.MaskEdit4)
            if (c != ' ') seconds += c;
        line += " /T " + seconds + " /D " + defaultKeyOf(page);
    }
    return line + " /M " + quotedOnce(page.Edit5);
}

std::string choiceLine(const UserInteractionChoices& page) {
    std::string keys = page.MaskEdit1 + page.MaskEdit2 + (page.CheckBox14 ? page.MaskEdit3 : "");
    std::string line = "CHOICE /C" + keys;
    if (page.caseSensitive()) line += " /S";
    if (page.timeDelay()) {
        line += " /T:" + defaultKeyOf(page) + "," + page.MaskEdit4;
    }
    return line + " " + page.Edit5;
}

void appendAction(const UserInteractionChoices& page, const Choice& choice, GeneratorContext& context) {
    switch (page.action(choice.number)) {
    case ChoiceAction::RunProgram: context.appendLine(pathArgument(context, choice.program)); return;
    case ChoiceAction::DisplayMessage:
        context.appendLine("ECHO " + (context.target == Target::Windows ? escapedText(choice.message) : choice.message));
        return;
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
    const bool windows = context.target == Target::Windows;
    context.appendLine(windows ? windowsChoiceLine(page) : choiceLine(page));
    // "IF ERRORLEVEL==N" leans on '=' being a separator; today's form is "IF ERRORLEVEL N".
    const std::string errorLevel = windows ? "IF ERRORLEVEL " : "IF ERRORLEVEL==";
    const auto suffix = choiceLabelSuffix(context.entryPosition);
    const auto choices = choicesOf(page);
    for (auto choice = choices.rbegin(); choice != choices.rend(); ++choice)
        context.appendLine(errorLevel + std::to_string(choice->number) + " GOTO " + suffix + std::string(choice->label));
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
