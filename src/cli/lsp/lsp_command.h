#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {
//! `qlt lsp`: the language server on standard input and output, until the client says `exit`
//! or closes its end. Returns 0 after an orderly shutdown, 1 otherwise.
int runLsp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
} // namespace cli
