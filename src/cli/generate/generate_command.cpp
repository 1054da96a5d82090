#include "cli/generate/generate_command.h"

#include "cli/qlt.h"

#include <ostream>

namespace cli {
int runGenerate(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "qlt: generate is not available in this build\n";
    return EXIT_USAGE;
}
} // namespace cli
