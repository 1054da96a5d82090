#include "cli/check/fix_files.h"

#include "cli/check/unified_diff.h"
#include "cli/terminal_text.h"
#include "core/fixes/apply.h"
#include "core/text/encoding.h"
#include "core/text/file_io.h"

#include <ostream>

namespace cli {
namespace {

std::string appliedList(const core::fixes::FixOutcome& outcome) {
    std::size_t total = 0;
    std::string codes;
    for (const auto& [code, count] : outcome.applied) {
        total += count;
        codes += (codes.empty() ? "" : ", ") + code + " x" + std::to_string(count);
    }
    return std::to_string(total) + (total == 1 ? " fix" : " fixes") + " (" + codes + ")";
}

std::string codePointText(char32_t c) {
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    std::string hex;
    for (auto value = static_cast<std::uint32_t>(c); value > 0 || hex.size() < 4; value /= 16)
        hex.insert(hex.begin(), DIGITS[value % 16]);
    return "U+" + hex;
}

// The file's new bytes, or nothing with the reason on `err`.
std::optional<std::string> fixedBytes(const std::string& path, const std::string& bytes, const CheckOptions& options,
                                      const std::vector<std::string>& ignoreList, std::ostream& err,
                                      core::fixes::FixOutcome& outcome) {
    const auto encoding = options.encoding.value_or(core::text::detectEncoding(bytes, core::text::Encoding::Windows1252));
    const std::string text = core::text::decode(bytes, encoding);
    const std::string_view name = core::text::encodingName(encoding);
    if (core::text::encode(text, encoding).bytes != bytes) {
        err << escapeControls("qlt: " + path + ": left unchanged: it is not valid " + std::string(name) +
                              ", so it could not be written back as it was read")
            << '\n';
        return std::nullopt;
    }
    outcome = core::fixes::fixText(text, {.rules = options.rules, .suggested = options.unsafeFixes, .ignored = ignoreList});
    if (!outcome.changed()) return std::nullopt;
    auto encoded = core::text::encode(outcome.text, encoding);
    if (!encoded.ok) {
        err << escapeControls("qlt: " + path + ": left unchanged: a fix puts " + codePointText(encoded.firstBad) +
                              " on line " + std::to_string(encoded.firstBadLine) + ", which " + std::string(name) +
                              " cannot hold")
            << '\n';
        return std::nullopt;
    }
    return std::move(encoded.bytes);
}

} // namespace

FixSummary fixFiles(const CheckOptions& options, const std::vector<std::string>& ignoreList, std::ostream& out,
                    std::ostream& err) {
    FixSummary summary;
    const bool diffOnly = options.format == ReportFormat::Diff;
    for (const auto& path : options.files) {
        const auto read = core::text::readFile(path);
        if (!read.ok) {
            err << escapeControls("qlt: " + path + ": " + read.error) << '\n';
            summary.unreadable = true;
            continue;
        }
        core::fixes::FixOutcome outcome;
        const auto bytes = fixedBytes(path, read.bytes, options, ignoreList, err, outcome);
        if (!bytes) continue;
        summary.changes = true;
        if (diffOnly) {
            out << unifiedDiff(path, read.bytes, *bytes);
            continue;
        }
        const auto written = core::text::writeFileAtomically(path, *bytes);
        if (!written.ok) {
            err << escapeControls("qlt: " + path + ": " + written.error) << '\n';
            summary.unreadable = true;
        } else {
            err << escapeControls("qlt: " + path + ": applied " + appliedList(outcome)) << '\n';
        }
    }
    out.flush();
    return summary;
}

} // namespace cli
