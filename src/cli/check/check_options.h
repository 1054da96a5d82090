#pragma once
// The arguments of `qlt check`.
#include "core/checker/rule_set.h"
#include "core/text/encoding.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

//! Gcc is the text format under the name compilers' tools know; Diff shows
//! the fixes as a unified diff instead of reporting.
enum class ReportFormat { Text, Json, Sarif, Gcc, Diff };

struct CheckOptions {
    ReportFormat format = ReportFormat::Text;
    bool spans = false;
    core::checker::RuleChoice rules = core::checker::RuleChoice::Automatic;
    std::optional<std::string> ignoreList;
    std::optional<core::text::Encoding> encoding; //!< nothing: detected per file, as Open does
    std::vector<std::string> files;
    bool fix = false;         //!< --fix: write the fixes, then report what is left
    bool unsafeFixes = false; //!< --unsafe-fixes: suggested fixes too
};

struct ParsedCheckOptions {
    std::optional<CheckOptions> options; //!< nothing when the arguments are wrong
    std::string error;                   //!< the one-line reason, without "qlt: "
};

//! Parses `[--fix] [--unsafe-fixes] [--format text|json|sarif|gcc|diff] [--rules auto|classic|cmd] [--spans] [--ignore-list FILE]
//! [--encoding auto|windows-1252|utf-8|cp437|cp850] FILE...`.
ParsedCheckOptions parseCheckOptions(const std::vector<std::string>& args);

} // namespace cli
