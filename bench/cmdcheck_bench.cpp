// The Windows command interpreter rules over documents held in memory.
// usage: bench_cmdcheck [--corpus=DIR] [benchmark options]
// DIR holds .bat and .cmd files (searched recursively, e.g. a generated
// corpus); the synthetic benchmarks always run. Target: at least 1,000,000
// lines per second on one core, linear in the size of the file and in the
// number of labels and jumps.
#include "bench_corpus.h"
#include "core/cmdcheck/cmd_checker.h"

#include <array>
#include <string>
#include <vector>

namespace {

std::size_t checkDocument(const std::vector<std::string>& lines) {
    bench::DiscardColours colours;
    core::documents::PickLists lists;
    return core::cmdcheck::lintCmd(lines, colours, lists, {}).findings.size();
}

void checkCorpus(benchmark::State& state) { bench::checkCorpus(state, checkDocument); }
BENCHMARK(checkCorpus)->Unit(benchmark::kMillisecond);

// A script of today's style, repeated with fresh label names.
std::vector<std::string> modernScript(std::size_t count) {
    static const std::array<const char*, 16> body = {
        "@echo off",
        "setlocal EnableExtensions EnableDelayedExpansion",
        "rem Build the project %~1 into the output folder",
        "if \"%~1\"==\"\" (",
        "  echo Usage: %~nx0 target 1>&2",
        "  exit /b 1",
        ") else if /i \"%~1\"==\"clean\" goto :clean_{n}",
        "for /f \"usebackq tokens=1,2 delims==\" %%a in (\"%~dp0build.ini\") do set \"CFG_%%a=%%b\"",
        "set /a COUNT=(COUNT + 1) * 2 %% 7",
        "pushd \"%~dp0src\" && (call :compile_{n} !COUNT! || goto :eof)",
        "robocopy \"%SRC%\" \"%DEST%\" /E /NJH >nul 2>&1",
        "popd",
        ":clean_{n}",
        "if exist \"%TEMP%\\out\" rd /s /q \"%TEMP%\\out\"",
        ":compile_{n}",
        "echo Compiling %1 ^& more > \"%TEMP%\\log {n}.txt\""};
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; lines.size() < count; ++i) {
        for (const char* line : body) {
            std::string text = line;
            const auto mark = text.find("{n}");
            if (mark != std::string::npos) text.replace(mark, 3, std::to_string(i));
            lines.push_back(std::move(text));
            if (lines.size() == count) break;
        }
    }
    return lines;
}

void modernLines(benchmark::State& state) {
    const auto lines = modernScript(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(checkDocument(lines));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(modernLines)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Half the lines jump to labels further down, half are those labels.
void jumpsAndLabels(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count / 2; ++i) lines.push_back("if errorlevel 1 goto L" + std::to_string(count / 2 - i));
    for (std::size_t i = 0; i < count / 2; ++i) lines.push_back(":L" + std::to_string(i + 1));
    for (auto _ : state) benchmark::DoNotOptimize(checkDocument(lines));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetComplexityN(static_cast<std::int64_t>(count));
}
BENCHMARK(jumpsAndLabels)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// A comment switching off N codes before the first command, then N/6
// findings of a code it switches off: linear in N.
void longSuppressionList(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::string directive = "rem qlt: disable=";
    for (std::size_t i = 0; i < count; ++i) directive += "Q9" + std::to_string(i % 100) + ",";
    std::vector<std::string> lines{directive + "Q101"};
    for (std::size_t i = 0; i < count / 6; ++i) lines.emplace_back("ECHP x");
    for (auto _ : state) benchmark::DoNotOptimize(checkDocument(lines));
    state.SetComplexityN(static_cast<std::int64_t>(count));
}
BENCHMARK(longSuppressionList)->Arg(75000)->Arg(150000)->Arg(300000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
