#include "core/cmdcheck/cmd_checker.h"

#include "core/checker/messages.h"
#include "core/cmdcheck/walk.h"

#include <algorithm>

namespace core::cmdcheck {

CmdLint lintCmd(const std::vector<std::string>& lines, checker::ColourSink& colours, documents::PickLists& lists,
                const std::vector<std::string>& ignored) {
    CmdLint lint;
    Walk walk(lines, colours, lists, ignored);
    lint.result = walk.run(lint.ignoreKeys);
    return lint;
}

checker::CheckResult checkCmd(const std::vector<std::string>& lines, const checker::CheckContext& context) {
    CmdLint lint = lintCmd(lines, context.colours, context.lists, context.ignoredCommands);
    checker::CheckResult shown;
    auto& ignored = context.ignoredCommands;
    for (std::size_t i = 0; i < lint.result.findings.size(); ++i) {
        const auto& key = lint.ignoreKeys[i];
        if (!key.empty() && std::find(ignored.begin(), ignored.end(), key) != ignored.end()) continue;
        const auto& finding = lint.result.findings[i];
        shown.findings.push_back(finding);
        const auto kind = finding.severity == checker::Severity::Error ? ports::MessageKind::Error : ports::MessageKind::Warning;
        const auto answer = context.prompter.message(kind, finding.buttons, finding.text);
        if (answer == ports::Answer::Ignore && !key.empty()) ignored.push_back(key);
        if (answer == ports::Answer::Abort) {
            shown.aborted = true;
            return shown;
        }
    }
    const auto& complete = checker::messageDef(checker::MessageId::Complete);
    context.prompter.message(complete.kind, complete.buttons, std::string(complete.text));
    return shown;
}

} // namespace core::cmdcheck
