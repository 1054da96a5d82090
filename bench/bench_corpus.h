#pragma once
// What the checker benchmarks share: a corpus of batch files held in memory
// (--corpus=DIR, searched recursively for .bat and .cmd), one benchmark that
// checks all of it, and a main that takes --corpus before Google Benchmark
// reads the rest of the command line.
#include "core/checker/colour_sink.h"
#include "core/text/file_io.h"
#include "core/text/lines.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

class DiscardColours : public core::checker::ColourSink {
public:
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan&) override {}
};

struct Corpus {
    std::vector<std::vector<std::string>> documents;
    std::size_t lines = 0;

    void load(const std::string& folder) {
        std::vector<std::filesystem::path> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            std::string ext = entry.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
            if (ext == ".bat" || ext == ".cmd") paths.push_back(entry.path());
        }
        std::sort(paths.begin(), paths.end());
        for (const auto& path : paths) {
            auto read = core::text::readFile(path.string());
            if (!read.ok) continue;
            documents.push_back(core::text::splitLines(read.bytes));
            lines += documents.back().size();
        }
    }
};

inline Corpus& corpus() {
    static Corpus loaded;
    return loaded;
}

//! Checks every document of the corpus per iteration; `check` returns a
//! document's number of findings.
template <typename Check> void checkCorpus(benchmark::State& state, Check check) {
    const Corpus& all = corpus();
    if (all.documents.empty()) {
        state.SkipWithError("no corpus: pass --corpus=DIR");
        return;
    }
    std::size_t findings = 0;
    for (auto _ : state)
        for (const auto& document : all.documents) findings += check(document);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * all.lines));
    state.counters["files"] = static_cast<double>(all.documents.size());
    state.counters["lines"] = static_cast<double>(all.lines);
    state.counters["findings"] = static_cast<double>(findings / std::max<std::size_t>(state.iterations(), 1));
}

inline int runBenchmarks(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--corpus=", 0) == 0) corpus().load(arg.substr(9));
        else rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
