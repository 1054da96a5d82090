#pragma once
// How `qlt check` writes its report: a formatter per format turns each file's
// findings into text as the check makes them, so no report is held whole.
#include "cli/check/check_options.h"
#include "core/checker/rule_set.h"
#include "core/checker/syntax_checker.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

//! What is known of a file once its check is over.
struct FileEnd {
    const core::documents::PickLists& lists;
    const std::vector<core::ports::ColourSpan>& spans;
};

class ReportFormatter {
public:
    virtual ~ReportFormatter() = default;
    //! Text before the first file, between two files' parts that hold text, after the last.
    virtual std::string head() const { return {}; }
    virtual std::string_view separator() const { return {}; }
    virtual std::string_view tail() const { return {}; }
    //! A file's part: its beginning (with the rules that check it), its findings with itemSeparator() between two, its end.
    virtual void beginFile(std::string& /*out*/, const std::string& /*path*/, core::checker::RuleSet /*rules*/) const {}
    virtual std::string_view itemSeparator() const { return {}; }
    virtual void finding(std::string& out, const std::string& path, const core::checker::Finding& finding) const = 0;
    virtual void endFile(std::string& /*out*/, const FileEnd& /*end*/) const {}
};

//! The formatter of a format; `spans` adds the colour spans to JSON.
std::unique_ptr<ReportFormatter> makeFormatter(ReportFormat format, bool spans);
//! SARIF 2.1.0 (sarif_report.cpp).
std::unique_ptr<ReportFormatter> makeSarifFormatter();

//! Appends text as a JSON string. The text must be UTF-8.
void appendJsonString(std::string& out, std::string_view utf8);

} // namespace cli
