#include "core/cmdcheck/cmd_checker.h"

#include "core/cmdcheck/walk.h"

namespace core::cmdcheck {

checker::CheckResult lintCmd(const std::vector<std::string>& lines, checker::ColourSink& colours,
                             documents::PickLists& lists, const std::vector<std::string>& ignored) {
    Walk walk(lines, colours, lists, ignored);
    return walk.run();
}

} // namespace core::cmdcheck
