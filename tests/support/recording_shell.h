#pragma once
// A Shell that records what it was asked to open and answers from a flag.
#include "core/ports/shell.h"

#include <string>
#include <vector>

namespace testing_support {

class RecordingShell : public core::ports::Shell {
public:
    std::vector<std::string> opened;
    bool succeeds = true;

    bool open(const std::string& target, std::string& error) override {
        opened.push_back(target);
        if (!succeeds) error = "no application is set up to open it";
        return succeeds;
    }
};

} // namespace testing_support
