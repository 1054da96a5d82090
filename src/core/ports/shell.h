#pragma once
#include <string>

namespace core::ports {

//! The desktop's "open" of a file, a web address or a mail-to link.
class Shell {
public:
    virtual ~Shell() = default;
    //! Returns false, with the reason in error, when nothing could open it.
    virtual bool open(const std::string& target, std::string& error) = 0;
};

} // namespace core::ports
