#pragma once
#include <string>
#include <vector>

namespace core::ports {

//! The command interpreters a launcher can go through.
enum class Interpreter {
    Dos,     //!< COMMAND, which can ask before each line (/Y)
    Windows, //!< cmd, found through %COMSPEC%; it has no line-by-line mode
};

//! The desktop's "open" of a file, a web address or a mail-to link, and the
//! starting of programs the core has chosen.
class Shell {
public:
    virtual ~Shell() = default;
    //! Returns false, with the reason in error, when nothing could open it.
    virtual bool open(const std::string& target, std::string& error) = 0;
    //! The full path of a program found on the search path; empty when there is none.
    virtual std::string findProgram(const std::string& name) {
        (void)name;
        return {};
    }
    //! The interpreter that runs batch files here: COMMAND unless the system has only cmd.
    virtual Interpreter interpreter() { return Interpreter::Dos; }
    //! Starts command[0] with the other items as its arguments, in folder,
    //! without waiting for it. False, with the reason, when it did not start.
    virtual bool start(const std::vector<std::string>& command, const std::string& folder, std::string& error) {
        (void)command, (void)folder;
        error = "this system cannot start programs";
        return false;
    }
};

} // namespace core::ports
