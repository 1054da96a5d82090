#pragma once
// One file of `qlt check`: read once into one buffer, checked over views of its
// lines, each finding formatted as it is made. A large file is checked in
// parts on several threads, the parts' reports joined in order.
#include "cli/check/check_report.h"
#include "core/checker/rule_set.h"
#include "core/text/encoding.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct CheckSettings {
    const ReportFormatter& formatter;
    const std::vector<std::string>& ignoreList; //!< entries of --ignore-list
    bool spans = false;                         //!< colour spans wanted in the report
    core::checker::RuleChoice rules = core::checker::RuleChoice::Classic;
    std::optional<core::text::Encoding> encoding; //!< nothing: detected per file, as Open does
    std::size_t workers = 1; //!< threads for the parts of a large file
};

struct FileOutcome {
    bool readable = true;
    std::string error; //!< the one-line reason when not readable, with "qlt: "
    bool findings = false;
};

//! Checks a file as the window does a freshly opened document (both lists
//! empty, every message answered OK), appending its part of the report to
//! `out`. While it runs, `spill` is called whenever `out` has grown large; it
//! may write and empty it.
FileOutcome checkFile(const std::string& path, const CheckSettings& settings, std::string& out,
                      const std::function<void(std::string&)>& spill);

} // namespace cli
