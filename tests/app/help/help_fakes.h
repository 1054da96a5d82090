#pragma once
// Recording fakes of the help viewer and the shell for the help area's tests.
#include "core/ports/help_viewer.h"
#include "core/ports/shell.h"

#include <string>
#include <vector>

namespace help_testing {

struct RecordingHelp : core::ports::HelpViewer {
    std::vector<int> topics; //!< 0 stands for the contents
    void showTopic(int context) override { topics.push_back(context); }
    void showContents() override { topics.push_back(0); }
};

struct RecordingShell : core::ports::Shell {
    std::vector<std::string> opened;
    bool open(const std::string& target, std::string&) override {
        opened.push_back(target);
        return true;
    }
};

} // namespace help_testing
