#include "cli/qlt.h"

#include "cli/check/check_command.h"
#include "cli/generate/generate_command.h"
#include "cli/lsp/lsp_command.h"
#include "cli/terminal_text.h"
#include "core/version.h"

#include <ostream>

namespace cli {
namespace {

constexpr const char* USAGE =
    "usage: qlt check [--format text|json|sarif|gcc] [--spans] [--ignore-list FILE] FILE...\n"
    "       qlt generate PLAN.json [--into FILE] [--format text|json]\n"
    "       qlt lsp\n"
    "       qlt --help | --version\n";

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
    err << escapeControls("qlt: unknown command '" + command + "'") << '\n' << USAGE;
    return EXIT_USAGE;
}

} // namespace cli
