// The language server's conversion of findings to diagnostics, where every
// column becomes a UTF-16 offset.
// usage: bench_lsp [benchmark options]
// Target: linear in the number of findings, however many share one line.
#include "cli/lsp/features.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// One line of `count` short words after non-ASCII text, a finding on each word.
void findingsOnOneLine(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::string line;
    std::vector<core::checker::Finding> findings;
    for (std::size_t i = 0; i < count; ++i) {
        core::checker::Finding f;
        f.line = 1;
        f.column = 3 * i + 1; // each word, "x\xc3\xa9 ", is three characters in four bytes
        f.length = 1;
        f.code = "Q002";
        findings.push_back(f);
        line += "x\xc3\xa9 ";
    }
    const cli::lsp::TextDocument doc(line);
    for (auto _ : state) benchmark::DoNotOptimize(cli::lsp::diagnostics(doc, findings).size());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetComplexityN(static_cast<std::int64_t>(count));
}
BENCHMARK(findingsOnOneLine)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
