#pragma once
// What `qlt check` reports for one file, and the two ways of writing it.
#include "core/checker/rule_set.h"
#include "core/checker/syntax_checker.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

struct FileReport {
    std::string path; //!< as given on the command line
    core::checker::CheckResult result;
    core::checker::RuleSet rules = core::checker::RuleSet::Classic;
    core::documents::PickLists lists;
    std::vector<core::ports::ColourSpan> spans;
};

//! One line per message: `PATH:LINE:COLUMN: SEVERITY: TEXT [CODE]`.
void writeTextReport(std::ostream& out, const FileReport& report);

//! Writes `{"files":[...]}` a file at a time.
class JsonReportWriter {
public:
    JsonReportWriter(std::ostream& out, bool withSpans);
    void add(const FileReport& report);
    void finish();

private:
    std::ostream& m_out;
    bool m_withSpans;
    bool m_first = true;
};

} // namespace cli
