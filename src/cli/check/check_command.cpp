#include "cli/check/check_command.h"

#include "cli/check/check_options.h"
#include "cli/check/file_check.h"
#include "cli/check/fix_files.h"
#include "cli/check/ordered_work.h"
#include "cli/qlt.h"
#include "cli/terminal_text.h"
#include "core/text/file_io.h"
#include "core/text/lines.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <thread>

namespace cli {
namespace {

// The report on its way out: each file's part in the order the files were
// given, the format's separator between two parts that hold something.
class ReportOutput {
public:
    ReportOutput(std::ostream& out, std::string_view separator) : m_out(out), m_separator(separator) {}
    //! Writes and empties a piece of the current file's part.
    void write(std::string& piece) {
        if (piece.empty()) return;
        if (!m_started && m_anyBefore) m_out << m_separator;
        m_started = true;
        m_out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        piece.clear();
    }
    void endFile() {
        m_anyBefore = m_anyBefore || m_started;
        m_started = false;
    }

private:
    std::ostream& m_out;
    std::string_view m_separator;
    bool m_anyBefore = false;
    bool m_started = false;
};

struct Status {
    bool unreadable = false;
    bool findings = false;
    void add(const FileOutcome& outcome) {
        unreadable = unreadable || !outcome.readable;
        findings = findings || outcome.findings;
    }
    int exitStatus() const { return unreadable ? EXIT_USAGE : findings ? EXIT_FINDINGS : EXIT_CLEAN; }
};

// Files checked on every core (or, for a single file, its parts), the report
// written in the order the files were given.
void checkFiles(const std::vector<std::string>& files, CheckSettings settings, std::size_t cores,
                ReportOutput& output, std::ostream& err, Status& status) {
    struct Done {
        FileOutcome outcome;
        std::string part;
    };
    const std::size_t fileWorkers = std::min(cores, files.size());
    settings.workers = fileWorkers > 1 ? 1 : cores;
    // A file checked on this thread goes out while its check runs.
    const std::function<void(std::string&)> spill = [&](std::string& piece) {
        if (fileWorkers <= 1) output.write(piece);
    };
    inOrder(
        files.size(), fileWorkers,
        [&](std::size_t i) {
            Done done;
            done.outcome = checkFile(files[i], settings, done.part, spill);
            return done;
        },
        [&](std::size_t, Done&& done) {
            if (!done.outcome.readable) err << done.outcome.error << '\n';
            output.write(done.part);
            output.endFile();
            status.add(done.outcome);
        });
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
        auto read = core::text::readFile(*options.ignoreList);
        if (!read.ok) {
            err << escapeControls("qlt: " + *options.ignoreList + ": " + read.error) << '\n';
            return EXIT_USAGE;
        }
        ignoreList = core::text::splitLines(read.bytes);
    }
    if (options.fix || options.format == ReportFormat::Diff) {
        const auto fixed = fixFiles(options, ignoreList, out, err);
        if (options.format == ReportFormat::Diff)
            return fixed.unreadable ? EXIT_USAGE : fixed.changes ? EXIT_FINDINGS : EXIT_CLEAN;
    }
    const auto formatter = makeFormatter(options.format, options.spans);
    const CheckSettings settings{*formatter, ignoreList, options.spans && options.format == ReportFormat::Json,
                                 options.rules, options.encoding};
    ReportOutput output(out, formatter->separator());
    out << formatter->head();
    Status status;
    checkFiles(options.files, settings, std::max(1u, std::thread::hardware_concurrency()), output, err, status);
    out << formatter->tail();
    out.flush();
    return status.exitStatus();
}

} // namespace cli
