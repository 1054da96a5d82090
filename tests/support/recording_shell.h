#pragma once
// A Shell that records what it was asked to open or start and answers from
// a flag; programs are found only when listed.
#include "core/ports/shell.h"

#include <map>
#include <string>
#include <vector>

namespace testing_support {

class RecordingShell : public core::ports::Shell {
public:
    std::vector<std::string> opened;
    bool succeeds = true;
    std::map<std::string, std::string> programs; //!< name -> full path
    std::vector<std::vector<std::string>> started;
    std::vector<std::string> startedIn;
    core::ports::Interpreter system = core::ports::Interpreter::Dos;

    bool open(const std::string& target, std::string& error) override {
        opened.push_back(target);
        if (!succeeds) error = "no application is set up to open it";
        return succeeds;
    }
    std::string findProgram(const std::string& name) override {
        const auto found = programs.find(name);
        return found == programs.end() ? std::string() : found->second;
    }
    core::ports::Interpreter interpreter() override { return system; }
    bool start(const std::vector<std::string>& command, const std::string& folder, std::string& error) override {
        started.push_back(command);
        startedIn.push_back(folder);
        if (!succeeds) error = "no such program";
        return succeeds;
    }
};

} // namespace testing_support
