#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {
//! `qlt check ARGS...` (arguments after "check").
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
} // namespace cli
