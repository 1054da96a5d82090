#pragma once
// Ports for fuzzing: files in memory, a prompter that answers OK and counts
// the messages, a desktop that opens everything.
#include "core/checker/answer_ok_prompter.h"
#include "core/ports/file_system.h"
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

//! Answers OK (or Yes) to every message box and counts them; cancels every dialog.
class CountingPrompter : public core::checker::AnswerOkPrompter {
public:
    std::size_t messages = 0;

    core::ports::Answer message(core::ports::MessageKind kind, core::ports::Buttons buttons,
                                const std::string& text) override {
        ++messages;
        return AnswerOkPrompter::message(kind, buttons, text);
    }
};

class OpeningShell : public core::ports::Shell {
public:
    bool open(const std::string&, std::string&) override { return true; }
};

} // namespace fuzz
