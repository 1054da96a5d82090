// The syntax check, answering OK to every message, over documents held in memory.
// usage: bench_checker [--corpus=DIR] [benchmark options]
// DIR holds .bat and .cmd files (a generated corpus); without it only the GOTO
// benchmark runs. Target: at least 2,000,000 lines per second on one core.
#include "bench_corpus.h"
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/syntax_checker.h"

#include <string>
#include <vector>

namespace {

std::size_t checkDocument(const std::vector<std::string>& lines) {
    core::checker::AnswerOkPrompter prompter;
    bench::DiscardColours colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    return core::checker::checkSyntax(lines, {prompter, colours, lists, ignored}).findings.size();
}

void checkCorpus(benchmark::State& state) { bench::checkCorpus(state, checkDocument); }
BENCHMARK(checkCorpus)->Unit(benchmark::kMillisecond);

// Half the lines are GOTOs to labels further down: the look-up must not rescan
// the document for each one, so the time grows with the line count only.
void gotoForward(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count / 2; ++i) lines.push_back("GOTO L" + std::to_string(count / 2 - i));
    for (std::size_t i = 0; i < count / 2; ++i) lines.push_back(":L" + std::to_string(i + 1));
    for (auto _ : state) benchmark::DoNotOptimize(checkDocument(lines));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetComplexityN(static_cast<std::int64_t>(count));
}
BENCHMARK(gotoForward)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Each line sets a new variable: adding one to the list must not search it,
// so the time grows with the line count only.
void setVariables(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) lines.push_back("SET V" + std::to_string(i) + "=1");
    for (auto _ : state) benchmark::DoNotOptimize(checkDocument(lines));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetComplexityN(static_cast<std::int64_t>(count));
}
BENCHMARK(setVariables)->RangeMultiplier(2)->Range(20000, 80000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
