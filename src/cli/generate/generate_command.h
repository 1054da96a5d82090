#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {
//! `qlt generate ARGS...` (arguments after "generate").
int runGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
} // namespace cli
