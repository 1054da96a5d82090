#pragma once
// The arguments of `qlt check`.
#include <optional>
#include <string>
#include <vector>

namespace cli {

//! Gcc is the text format under the name compilers' tools know.
enum class ReportFormat { Text, Json, Sarif, Gcc };

struct CheckOptions {
    ReportFormat format = ReportFormat::Text;
    bool spans = false;
    std::optional<std::string> ignoreList;
    std::vector<std::string> files;
};

struct ParsedCheckOptions {
    std::optional<CheckOptions> options; //!< nothing when the arguments are wrong
    std::string error;                   //!< the one-line reason, without "qlt: "
};

//! Parses `[--format text|json|sarif|gcc] [--spans] [--ignore-list FILE] FILE...`.
ParsedCheckOptions parseCheckOptions(const std::vector<std::string>& args);

} // namespace cli
