#pragma once
// The `qlt` command: `qlt check`, `qlt generate`, `--help`, `--version`.
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

//! Exit statuses, an API: 0 nothing to report, 1 messages found, 2 bad usage or unreadable input.
enum ExitStatus : int { EXIT_CLEAN = 0, EXIT_FINDINGS = 1, EXIT_USAGE = 2 };

//! Runs qlt with its arguments (without the program name); writes to out and err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace cli
