#include "cli/check/check_options.h"

namespace cli {
namespace {

ParsedCheckOptions failure(std::string reason) { return {std::nullopt, std::move(reason)}; }

} // namespace

ParsedCheckOptions parseCheckOptions(const std::vector<std::string>& args) {
    CheckOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--spans") {
            options.spans = true;
        } else if (arg == "--fix" || arg == "--unsafe-fixes") {
            (arg == "--fix" ? options.fix : options.unsafeFixes) = true;
        } else if (arg == "--format") {
            if (!hasValue) return failure("--format needs text, json, sarif, gcc or diff");
            const std::string& value = args[++i];
            if (value == "text") options.format = ReportFormat::Text;
            else if (value == "json") options.format = ReportFormat::Json;
            else if (value == "sarif") options.format = ReportFormat::Sarif;
            else if (value == "gcc") options.format = ReportFormat::Gcc;
            else if (value == "diff") options.format = ReportFormat::Diff;
            else return failure("unknown format '" + value + "' (text, json, sarif, gcc or diff)");
        } else if (arg == "--rules") {
            if (!hasValue) return failure("--rules needs auto, classic or cmd");
            const std::string& value = args[++i];
            if (value == "auto") options.rules = core::checker::RuleChoice::Automatic;
            else if (value == "classic") options.rules = core::checker::RuleChoice::Classic;
            else if (value == "cmd") options.rules = core::checker::RuleChoice::Cmd;
            else return failure("unknown rules '" + value + "' (auto, classic or cmd)");
        } else if (arg == "--encoding") {
            if (!hasValue) return failure("--encoding needs auto, windows-1252, utf-8, cp437 or cp850");
            const std::string& value = args[++i];
            options.encoding = core::text::encodingOfKey(value);
            if (value != "auto" && !options.encoding)
                return failure("unknown encoding '" + value + "' (auto, windows-1252, utf-8, cp437 or cp850)");
        } else if (arg == "--ignore-list") {
            if (!hasValue) return failure("--ignore-list needs a file");
            options.ignoreList = args[++i];
        } else if (arg.size() > 1 && arg.front() == '-') {
            return failure("unknown option '" + arg + "'");
        } else {
            options.files.push_back(arg);
        }
    }
    if (options.files.empty()) return failure("check needs at least one file");
    if (options.fix && options.format == ReportFormat::Diff)
        return failure("--fix writes the fixes and --format diff only shows them: give one of them");
    if (options.unsafeFixes && !options.fix && options.format != ReportFormat::Diff)
        return failure("--unsafe-fixes needs --fix or --format diff");
    return {options, {}};
}

} // namespace cli
