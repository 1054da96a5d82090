#pragma once
// The desktop's "open": files by their type's default application, web and
// mail-to addresses by the browser and the mail program.
#include "core/ports/shell.h"

namespace platform {

class QtShell : public core::ports::Shell {
public:
    //! False, with the reason, for a missing file, a file type that no
    //! application is set up to open, or a desktop that refuses the request.
    bool open(const std::string& target, std::string& error) override;
    std::string findProgram(const std::string& name) override;
    //! Windows without COMMAND (every 64-bit one) has only cmd.
    core::ports::Interpreter interpreter() override;
    bool start(const std::vector<std::string>& command, const std::string& folder, std::string& error) override;
};

} // namespace platform
