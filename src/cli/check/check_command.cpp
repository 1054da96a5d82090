#include "cli/check/check_command.h"

#include "cli/check/check_options.h"
#include "cli/check/check_report.h"
#include "cli/qlt.h"
#include "cli/terminal_text.h"
#include "core/checker/rule_set.h"
#include "core/text/checker_lines.h"
#include "core/text/encoding.h"
#include "core/text/file_io.h"
#include "core/text/lines.h"

#include <optional>
#include <ostream>

namespace cli {
namespace {

class SpanCollector : public core::checker::ColourSink {
public:
    explicit SpanCollector(std::vector<core::ports::ColourSpan>& spans) : m_spans(spans) {}
    void resetColours() override { m_spans.clear(); }
    void colourSpan(const core::ports::ColourSpan& span) override { m_spans.push_back(span); }

private:
    std::vector<core::ports::ColourSpan>& m_spans;
};

std::optional<std::string> readBytes(const std::string& path, std::ostream& err) {
    auto read = core::text::readFile(path);
    if (!read.ok) {
        err << escapeControls("qlt: " + path + ": " + read.error) << '\n';
        return std::nullopt;
    }
    return std::move(read.bytes);
}

// A batch file's lines as the checker reads them: decoded in the encoding
// asked for (or the one Open would detect), one byte per character.
std::optional<std::vector<std::string>> readCheckerLines(const std::string& path,
                                                         std::optional<core::text::Encoding> encoding,
                                                         std::ostream& err) {
    const auto bytes = readBytes(path, err);
    if (!bytes) return std::nullopt;
    const auto chosen = encoding.value_or(core::text::detectEncoding(*bytes, core::text::Encoding::Windows1252));
    return core::text::oneBytePerCharacter(core::text::splitLines(core::text::decode(*bytes, chosen)));
}

// Checks a file as the window does a freshly opened document: both lists start
// empty and every message is answered OK.
FileReport checkFile(const std::string& path, const std::vector<std::string>& lines,
                     const std::vector<std::string>& ignoreList, const CheckOptions& options) {
    const bool withSpans = options.format == ReportFormat::Json && options.spans;
    FileReport report{path, {}, core::checker::RuleSet::Classic, {}, {}};
    std::vector<core::ports::ColourSpan> discarded;
    SpanCollector colours(withSpans ? report.spans : discarded);
    std::vector<std::string> ignored = ignoreList;
    auto lint = core::checker::lintLines(lines, options.rules, colours, report.lists, ignored);
    report.result = std::move(lint.result);
    report.rules = lint.rules;
    return report;
}

} // namespace

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseCheckOptions(args);
    if (!parsed.options) {
        err << escapeControls("qlt: " + parsed.error) << '\n';
        return EXIT_USAGE;
    }
    const CheckOptions& options = *parsed.options;
    std::vector<std::string> ignoreList;
    if (options.ignoreList) {
        // List files stay Windows-1252, as the window writes them.
        const auto bytes = readBytes(*options.ignoreList, err);
        if (!bytes) return EXIT_USAGE;
        ignoreList = core::text::splitLines(*bytes);
    }
    const bool json = options.format == ReportFormat::Json;
    std::optional<JsonReportWriter> writer;
    if (json) writer.emplace(out, options.spans);
    bool unreadable = false;
    bool findings = false;
    for (const auto& path : options.files) {
        const auto lines = readCheckerLines(path, options.encoding, err);
        if (!lines) {
            unreadable = true;
            continue;
        }
        const FileReport report = checkFile(path, *lines, ignoreList, options);
        findings = findings || !report.result.findings.empty();
        if (json) writer->add(report);
        else writeTextReport(out, report);
    }
    if (writer) writer->finish();
    return unreadable ? EXIT_USAGE : findings ? EXIT_FINDINGS : EXIT_CLEAN;
}

} // namespace cli
