// The Windows command interpreter rules over documents held in memory.
// usage: bench_cmdcheck [--corpus=DIR] [benchmark options]
// DIR holds .bat and .cmd files (searched recursively, e.g. a generated
// corpus); the synthetic benchmarks always run. Target: at least 1,000,000
// lines per second on one core, linear in the size of the file and in the
// number of labels and jumps.
#include "core/cmdcheck/cmd_checker.h"
#include "core/text/file_io.h"
#include "core/text/lines.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::vector<std::string>> g_corpus;
std::size_t g_corpusLines = 0;

class DiscardColours : public core::checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan&) override {}
};

std::size_t checkDocument(const std::vector<std::string>& lines) {
    DiscardColours colours;
    core::documents::PickLists lists;
    return core::cmdcheck::lintCmd(lines, colours, lists, {}).findings.size();
}

void loadCorpus(const std::string& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto ext = entry.path().extension().string();
        if (ext == ".bat" || ext == ".cmd" || ext == ".BAT" || ext == ".CMD") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        auto read = core::text::readFile(path.string());
        if (!read.ok) continue;
        g_corpus.push_back(core::text::splitLines(read.bytes));
        g_corpusLines += g_corpus.back().size();
    }
}

void checkCorpus(benchmark::State& state) {
    if (g_corpus.empty()) {
        state.SkipWithError("no corpus: pass --corpus=DIR");
        return;
    }
    std::size_t findings = 0;
    for (auto _ : state)
        for (const auto& document : g_corpus) findings += checkDocument(document);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * g_corpusLines));
    state.counters["lines"] = static_cast<double>(g_corpusLines);
    state.counters["findings"] = static_cast<double>(findings / std::max<std::size_t>(state.iterations(), 1));
}
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

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--corpus=", 0) == 0) loadCorpus(arg.substr(9));
        else rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
