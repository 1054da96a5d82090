#pragma once
#include <string>
#include <vector>

namespace core::ports {

//! Prints lines of text (UTF-8) under a job title.
class Printer {
public:
    virtual ~Printer() = default;
    //! Returns false, with the reason in error, when printing failed or no printer exists.
    virtual bool printLines(const std::string& jobTitle, const std::vector<std::string>& lines, std::string& error) = 0;
};

} // namespace core::ports
