#include "cli/check/check_command.h"

#include "cli/qlt.h"

#include <ostream>

namespace cli {
int runCheck(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "qlt: check is not available in this build\n";
    return EXIT_USAGE;
}
} // namespace cli
