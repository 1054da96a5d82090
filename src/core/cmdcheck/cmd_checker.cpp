#include "core/cmdcheck/cmd_checker.h"

#include "core/cmdcheck/walk.h"

namespace core::cmdcheck {

checker::CheckResult lintCmd(std::span<const std::string_view> lines, checker::ColourSink& colours,
                             documents::PickLists& lists, const std::vector<std::string>& ignored) {
    return lintCmd(lines, indexLines(lines), colours, lists, ignored);
}

checker::CheckResult lintCmd(std::span<const std::string_view> lines, const FileIndex& index,
                             checker::ColourSink& colours, documents::PickLists& lists,
                             const std::vector<std::string>& ignored) {
    Walk walk(lines, index, colours, lists, ignored);
    return walk.run();
}

checker::CheckResult lintCmd(const std::vector<std::string>& lines, checker::ColourSink& colours,
                             documents::PickLists& lists, const std::vector<std::string>& ignored) {
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    return lintCmd(views, colours, lists, ignored);
}

} // namespace core::cmdcheck
