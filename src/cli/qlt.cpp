#include "cli/qlt.h"

#include "cli/check/check_command.h"
#include "cli/generate/generate_command.h"
#include "cli/lsp/lsp_command.h"
#include "cli/terminal_text.h"
#include "core/cmdcheck/code_help.h"
#include "core/version.h"

#include <ostream>

namespace cli {
namespace {

constexpr const char* USAGE =
    "usage: qlt check [--format text|json|sarif|gcc|diff] [--rules auto|classic|cmd] [--spans] [--ignore-list FILE]\n"
    "                 [--encoding auto|windows-1252|utf-8|cp437|cp850] [--fix] [--unsafe-fixes] FILE...\n"
    "       qlt explain CODE\n"
    "       qlt generate PLAN.json [--into FILE] [--format text|json]\n"
    "       qlt lsp\n"
    "       qlt --help | --version\n";

// `qlt explain CODE`: the help topic of a finding code.
int runExplain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "qlt: explain needs one code, e.g. Q101\n";
        return EXIT_USAGE;
    }
    const auto* help = core::cmdcheck::codeHelp(args.front());
    if (help == nullptr) {
        err << escapeControls("qlt: unknown code '" + args.front() + "'") << '\n';
        return EXIT_USAGE;
    }
    out << core::cmdcheck::explainText(*help);
    return EXIT_CLEAN;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << USAGE;
        return EXIT_USAGE;
    }
    const auto& command = args.front();
    if (command == "--help" || command == "-h") {
        out << USAGE;
        return EXIT_CLEAN;
    }
    if (command == "--version") {
        out << "qlt " << core::PRODUCT_VERSION << '\n';
        return EXIT_CLEAN;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "check") return runCheck(rest, out, err);
    if (command == "generate") return runGenerate(rest, out, err);
    if (command == "lsp") return runLsp(rest, out, err);
    if (command == "explain") return runExplain(rest, out, err);
    err << escapeControls("qlt: unknown command '" + command + "'") << '\n' << USAGE;
    return EXIT_USAGE;
}

} // namespace cli
