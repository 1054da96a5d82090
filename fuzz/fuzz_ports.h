#pragma once
// Ports for fuzzing: files in memory, a prompter that presses the first
// button and cancels every dialog, a desktop that opens everything.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"

#include <map>
#include <string>

namespace fuzz {

class MemoryFiles : public core::ports::FileSystem {
public:
    std::map<std::string, std::string> files;

    core::text::ReadResult readFile(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return {false, {}, "No such file or directory"};
        return {true, found->second, {}};
    }
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
        return {true, {}};
    }
    bool exists(const std::string& path) override { return files.count(path) > 0; }
    std::string shortPath(const std::string& path) override { return path; }
    std::string programFolder() override { return "/opt/quillet/"; }
    std::string dataFolder() override { return "/data/"; }
};

class FirstButtonPrompter : public core::ports::Prompter {
public:
    std::size_t messages = 0;

    core::ports::Answer message(core::ports::MessageKind, core::ports::Buttons buttons, const std::string&) override {
        ++messages;
        using core::ports::Answer;
        using core::ports::Buttons;
        return buttons == Buttons::YesNo || buttons == Buttons::YesCancel || buttons == Buttons::YesNoCancel
                   ? Answer::Yes
                   : Answer::Ok;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::vector<std::string> openFiles(const core::ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const core::ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<core::ports::FontChoice> chooseFont(const core::ports::FontChoice&) override { return {}; }
    std::optional<core::settings::ColourValue> chooseColour(const core::settings::ColourValue&) override { return {}; }
};

class OpeningShell : public core::ports::Shell {
public:
    bool open(const std::string&, std::string&) override { return true; }
};

} // namespace fuzz
