#pragma once
// The message boxes of `qlt generate`: every warning and question is recorded,
// questions are answered from the plan (Yes once its answers run out).
#include "core/ports/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace cli {

struct ShownMessage {
    bool question = false;
    std::string text; //!< UTF-8
};

class PlanPrompter : public core::ports::Prompter {
public:
    explicit PlanPrompter(const std::vector<bool>& answers) : m_answers(answers.begin(), answers.end()) {}

    std::vector<ShownMessage> shown;

    core::ports::Answer message(core::ports::MessageKind, core::ports::Buttons buttons, const std::string& text) override {
        if (buttons != core::ports::Buttons::YesNo) {
            shown.push_back({false, text});
            return core::ports::Answer::Ok;
        }
        shown.push_back({true, text});
        bool yes = true;
        if (!m_answers.empty()) {
            yes = m_answers.front();
            m_answers.pop_front();
        }
        return yes ? core::ports::Answer::Yes : core::ports::Answer::No;
    }
    // The wizard's update flow opens no dialogs.
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::vector<std::string> openFiles(const core::ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const core::ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<core::ports::FontChoice> chooseFont(const core::ports::FontChoice&) override { return {}; }
    std::optional<core::settings::ColourValue> chooseColour(const core::settings::ColourValue&) override { return {}; }

private:
    std::deque<bool> m_answers;
};

} // namespace cli
