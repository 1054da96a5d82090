// The syntax check, answering OK to every message, over documents held in memory.
// usage: bench_checker [--corpus=DIR] [benchmark options]
// DIR holds *.bat files (a generated corpus); without it only the GOTO
// benchmark runs. Target: at least 2,000,000 lines per second on one core.
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/syntax_checker.h"
#include "core/text/file_io.h"
#include "core/text/lines.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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
    core::checker::AnswerOkPrompter prompter;
    DiscardColours colours;
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    return core::checker::checkSyntax(lines, {prompter, colours, lists, ignored}).findings.size();
}

void loadCorpus(const std::string& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".bat") paths.push_back(entry.path());
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
    std::size_t messages = 0;
    for (auto _ : state)
        for (const auto& document : g_corpus) messages += checkDocument(document);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * g_corpusLines));
    state.counters["files"] = static_cast<double>(g_corpus.size());
    state.counters["lines"] = static_cast<double>(g_corpusLines);
    state.counters["messages"] = static_cast<double>(messages / std::max<std::size_t>(state.iterations(), 1));
}
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
