#include "core/checker/rule_chain.h"

#include "core/checker/rules.h"

#include <optional>

namespace core::checker {
namespace {

using namespace rules;

// The first step that applies decides, unless its rule lets the chain go on:
// the pipe and redirection steps tidy W, and the FOR and IF heads leave the
// command after them to the steps below. That is why ECHO is tested twice.
constexpr std::array<ChainStep, 28> CHAIN = {{
    {Match::Start, {"REM"}, comment},
    {Match::Start, {"ECHO"}, echo},
    {Match::MorePipe, {}, morePipe},
    {Match::Redirection, {}, redirection},
    {Match::Start, {"FOR "}, forHead},
    {Match::Start, {"IF "}, ifHead},
    {Match::Start, {"ECHO"}, echo},
    {Match::Start, {"NET "}, net},
    {Match::Start, {"RUNAS "}, acceptedUncoloured},
    {Match::Start, {"CLS", "PAUSE", "DATE", "TIME"}, acceptedWord},
    {Match::Start, {"CD "}, cd},
    {Match::Start, {"DIR "}, dir},
    {Match::Start, {"DEL ", "ERASE "}, del},
    {Match::Start, {"DELTREE "}, deltree},
    {Match::Start, {"XCOPY "}, acceptedUncoloured},
    {Match::Start, {"COPY "}, copy},
    {Match::Start, {"MOVE "}, move},
    {Match::Start, {"CHOICE ", "MODE ", "RMDIR "}, acceptedUncoloured},
    {Match::Start, {"REN ", "RENAME "}, rename},
    {Match::Start, {"LFNFOR ON", "LFNFOR OFF"}, acceptedLfnfor},
    {Match::Start, {"ATTRIB ", "COMMAND "}, acceptedUncoloured},
    {Match::Start, {"START "}, start},
    {Match::Start, {"TYPE "}, type},
    {Match::Start, {"GOTO "}, gotoLabel},
    {Match::Anywhere, {"SET "}, set},
    {Match::Start, {"MKDIR "}, mkdir},
    {Match::Start, {"MD "}, md},
    {Match::Always, {}, unrecognised},
}};

// The word of the step that W matches; nothing when the step does not apply.
std::optional<std::string_view> matches(const ChainStep& step, const WorkingText& w) {
    switch (step.match) {
    case Match::Start:
    case Match::Anywhere:
        for (auto word : step.words) {
            if (word.empty()) break;
            if (step.match == Match::Start ? w.startsWith(word) : w.find(word) != 0) return word;
        }
        return std::nullopt;
    // Both steps look at the first occurrence of each form only: a form that
    // first stands at the very start does not count, even if it comes again.
    case Match::MorePipe:
        if (w.find("| MORE") > 1 || w.find("|MORE") > 1) return std::string_view{};
        return std::nullopt;
    case Match::Redirection:
        if (w.find(">") > 1 || w.find(">>") > 1) return std::string_view{};
        return std::nullopt;
    case Match::Always:
        return std::string_view{};
    }
    return std::nullopt;
}

} // namespace

std::span<const ChainStep> ruleChain() { return CHAIN; }

void runChain(LineCheck& line) {
    for (const ChainStep& step : CHAIN) {
        const auto word = matches(step, line.w);
        if (!word) continue;
        if (step.rule(line, *word) == Flow::EndLine || line.run().aborted()) return;
    }
}

} // namespace core::checker
