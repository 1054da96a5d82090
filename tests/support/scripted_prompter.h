#pragma once
// A Prompter that records every message and answers from a script.
#include "core/ports/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

struct ShownMessage {
    core::ports::MessageKind kind;
    core::ports::Buttons buttons;
    std::string text;
};

class ScriptedPrompter : public core::ports::Prompter {
public:
    //! Answers to message boxes, in order; when they run out, the first button
    //! of the set (OK or Yes) is pressed.
    std::deque<core::ports::Answer> answers;
    std::deque<std::optional<std::string>> inputs;       //!< answers to input boxes
    std::deque<std::vector<std::string>> openAnswers;    //!< answers to file open dialogs
    std::deque<std::optional<std::string>> saveAnswers;  //!< answers to save dialogs
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<core::ports::FontChoice>> fontAnswers;
    std::deque<std::optional<core::settings::ColourValue>> colourAnswers;

    std::vector<ShownMessage> shown;
    std::vector<core::ports::FileDialogRequest> fileRequests;
    std::vector<std::string> folderCaptions;
    std::vector<std::string> folderStarts;               //!< starting folder of each folder chooser
    std::vector<std::vector<std::string>> inputRequests; //!< caption, prompt and initial text of each input box

    core::ports::Answer message(core::ports::MessageKind kind, core::ports::Buttons buttons,
                                const std::string& text) override {
        shown.push_back({kind, buttons, text});
        if (!answers.empty()) return pop(answers);
        using core::ports::Buttons;
        const bool yes = buttons == Buttons::YesNo || buttons == Buttons::YesCancel || buttons == Buttons::YesNoCancel;
        return yes ? core::ports::Answer::Yes : core::ports::Answer::Ok;
    }
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override {
        inputRequests.push_back({caption, prompt, initial});
        return next(inputs);
    }
    std::vector<std::string> openFiles(const core::ports::FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return openAnswers.empty() ? std::vector<std::string>{} : pop(openAnswers);
    }
    std::optional<std::string> saveFile(const core::ports::FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return next(saveAnswers);
    }
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& initialFolder) override {
        folderCaptions.push_back(caption);
        folderStarts.push_back(initialFolder);
        return next(folderAnswers);
    }
    std::optional<core::ports::FontChoice> chooseFont(const core::ports::FontChoice&) override {
        return next(fontAnswers);
    }
    std::optional<core::settings::ColourValue> chooseColour(const core::settings::ColourValue&) override {
        return next(colourAnswers);
    }

    //! Texts of the messages shown so far.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : shown) out.push_back(m.text);
        return out;
    }

private:
    template <typename T> static T pop(std::deque<T>& queue) {
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        return pop(queue);
    }
};

} // namespace testing_support
