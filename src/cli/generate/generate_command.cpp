#include "cli/generate/generate_command.h"

#include "cli/system_file_system.h"
#include "cli/generate/plan.h"
#include "cli/generate/plan_prompter.h"
#include "cli/generate/single_document.h"
#include "cli/qlt.h"
#include "cli/terminal_text.h"
#include "core/documents/document_texts.h"
#include "core/settings/list_files.h"
#include "core/settings/memory_settings_store.h"
#include "core/text/codepage.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"
#include "core/wizard/update_flow.h"

#include <algorithm>
#include <ostream>
#include <optional>

namespace cli {
namespace {

using DiskFileSystem = cli::SystemFileSystem;

// A fresh document holds the two lines of a new file in the window.
const std::vector<std::string> NEW_FILE_TEMPLATE = {std::string(core::documents::NEW_FILE_LINE_1),
                                                    std::string(core::documents::NEW_FILE_LINE_2)};
constexpr std::string_view UNTITLED_NAME = "Untitled.bat";

struct Options {
    std::string plan;
    std::optional<std::string> into;
    bool json = false;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--into" && hasValue) options.into = args[++i];
        else if (arg == "--format" && hasValue && (args[i + 1] == "text" || args[i + 1] == "json"))
            options.json = args[++i] == "json";
        else if (!arg.starts_with("--") && options.plan.empty()) options.plan = arg;
        else {
            err << escapeControls("qlt: generate: unexpected argument '" + arg + "'") << '\n';
            return std::nullopt;
        }
    }
    if (options.plan.empty()) {
        err << "qlt: generate: no plan file given\n";
        return std::nullopt;
    }
    return options;
}

std::vector<std::string> linesFrom(const std::vector<std::string>& lines, std::size_t from = 0) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end()};
}

// The variable list holds Windows-1252 names, as the wizard's pages do.
std::vector<std::string> utf8Lines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& line : lines) out.push_back(core::text::toUtf8(line));
    return out;
}

struct Outcome {
    std::vector<std::string> document; // the whole document afterwards
    std::size_t before = 0;            // lines it had before
    std::vector<ShownMessage> messages;
    std::vector<std::string> variables;
};

void report(const Outcome& outcome, bool asJson, std::ostream& out, std::ostream& err) {
    if (!asJson) {
        for (const auto& line : linesFrom(outcome.document, outcome.before)) out << line << '\n';
        // A message of several lines (the refused update's) gives one stderr line each.
        for (const auto& m : outcome.messages)
            for (const auto& line : core::text::splitLines(m.text))
                if (!line.empty()) err << (m.question ? "question: " : "warning: ") << escapeControls(line) << '\n';
        return;
    }
    // Keys in the documented order.
    nlohmann::ordered_json messages = nlohmann::ordered_json::array();
    for (const auto& m : outcome.messages) messages.push_back({{"kind", m.question ? "question" : "warning"}, {"text", m.text}});
    const nlohmann::ordered_json result = {{"document", outcome.document},
                         {"appended", linesFrom(outcome.document, outcome.before)},
                         {"messages", messages},
                         {"variables", utf8Lines(outcome.variables)}};
    out << result.dump(2) << '\n';
}

// qlt keeps no settings, so the flag of the services file counts as set: the
// Start/Stop list offers the names of a "Services.qlt" in the data folder.
std::vector<std::string> servicesFile(DiskFileSystem& files) {
    core::settings::MemorySettingsStore store;
    core::settings::writeBool(store, core::settings::flagOf(core::settings::ListFile::Services), true);
    return core::wizard::loadServices(store, files);
}

// Runs the update flow on the plan's document; throws PlanError.
Outcome generate(const Plan& plan, const std::string& name, std::vector<std::string> lines, DiskFileSystem& files) {
    core::wizard::WizardPages pages;
    pages.networkServices.servicesFile = servicesFile(files);
    pages.target = plan.target;
    applyFields(plan.fields, pages);
    auto list = core::wizard::UpdateList::fromPages(pages);
    applyDialogChoices(plan, list);
    SingleDocument document(name, std::move(lines));
    PlanPrompter prompter(plan.answers);
    core::documents::PickLists lists;
    Outcome outcome;
    outcome.before = document.view().lineCount();
    core::wizard::runUpdate(pages, list, name, {document, prompter, files, lists});
    outcome.document = document.view().lines();
    outcome.messages = prompter.shown;
    outcome.variables = lists.variables;
    return outcome;
}

std::string readOrThrow(DiskFileSystem& files, const std::string& path) {
    auto read = files.readFile(path);
    if (!read.ok) throw PlanError(path + ": " + read.error);
    return read.bytes;
}

bool anyWarning(const Outcome& outcome) {
    for (const auto& m : outcome.messages)
        if (!m.question) return true;
    return false;
}

} // namespace

int runGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = parseOptions(args, err);
    if (!options) return EXIT_USAGE;
    DiskFileSystem files;
    try {
        const auto plan = parsePlan(readOrThrow(files, options->plan));
        auto lines = plan.document.value_or(NEW_FILE_TEMPLATE);
        std::string name(UNTITLED_NAME);
        // The file keeps its encoding, as Open and Save in the window keep it.
        auto encoding = core::text::Encoding::Windows1252;
        if (options->into) {
            const auto bytes = readOrThrow(files, *options->into);
            if (const auto form = core::text::utf16Mark(bytes))
                throw PlanError(*options->into + ": " + core::text::utf16Refusal(*form));
            encoding = core::text::detectEncoding(bytes, encoding);
            lines = core::text::splitLines(core::text::decode(bytes, encoding));
            name = *options->into;
        }
        const auto outcome = generate(plan, name, std::move(lines), files);
        if (options->into) {
            const auto encoded = core::text::encode(core::text::joinLines(outcome.document), encoding);
            if (!encoded.ok)
                throw PlanError(*options->into + ": line " + std::to_string(encoded.firstBadLine) + " holds a character " +
                                std::string(core::text::encodingName(encoding)) + " cannot hold; nothing was written");
            const auto written = files.writeFileAtomically(*options->into, encoded.bytes);
            if (!written.ok) throw PlanError(*options->into + ": " + written.error);
        }
        report(outcome, options->json, out, err);
        return anyWarning(outcome) ? EXIT_FINDINGS : EXIT_CLEAN;
    } catch (const PlanError& error) {
        err << "qlt: " << escapeControls(error.what()) << '\n';
        return EXIT_USAGE;
    }
}

} // namespace cli
