#pragma once
// A Prompter with nobody to ask: every message box is answered OK (or Yes) and
// every dialog is cancelled. `qlt check` and the benchmarks run the check with it.
#include "core/ports/prompter.h"

namespace core::checker {

class AnswerOkPrompter : public ports::Prompter {
public:
    ports::Answer message(ports::MessageKind, ports::Buttons buttons, const std::string&) override {
        const bool yes = buttons == ports::Buttons::YesNo || buttons == ports::Buttons::YesCancel ||
                         buttons == ports::Buttons::YesNoCancel;
        return yes ? ports::Answer::Yes : ports::Answer::Ok;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> openFiles(const ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ports::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<ports::FontChoice> chooseFont(const ports::FontChoice&) override { return std::nullopt; }
    std::optional<settings::ColourValue> chooseColour(const settings::ColourValue&) override {
        return std::nullopt;
    }
};

} // namespace core::checker
