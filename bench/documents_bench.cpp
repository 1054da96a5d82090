// Document set timings (targets: switching between two parked documents of
// 100,000 lines under 50 ms; opening a 10 MB batch file under 150 ms) and the
// memory a parked document costs (target: at most about twice its size).
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/text/file_io.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>

namespace {

class BenchFileSystem : public core::ports::FileSystem {
public:
    core::text::ReadResult readFile(const std::string& path) override { return core::text::readFile(path); }
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override {
        return core::text::writeFileAtomically(path, bytes);
    }
    bool exists(const std::string& path) override { return std::filesystem::exists(path); }
    std::string shortPath(const std::string& path) override { return path; }
    std::string programFolder() override { return "./"; }
    std::string dataFolder() override { return "./"; }
};

// Answers nothing: no dialog or message is expected while measuring.
class SilentPrompter : public core::ports::Prompter {
public:
    core::ports::Answer message(core::ports::MessageKind, core::ports::Buttons, const std::string&) override {
        return core::ports::Answer::Ok;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> openFiles(const core::ports::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const core::ports::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<core::ports::FontChoice> chooseFont(const core::ports::FontChoice&) override { return std::nullopt; }
    std::optional<core::settings::ColourValue> chooseColour(const core::settings::ColourValue&) override {
        return std::nullopt;
    }
};

struct Bench {
    BenchFileSystem files;
    SilentPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::MemoryEditorView editor;
    core::documents::DocumentSet set{editor, prompter, files, store, lists};
};

std::string folder() {
    const auto path = (std::filesystem::temp_directory_path() / "quillet-bench-documents").string() + "/";
    std::filesystem::create_directories(path);
    return path;
}

// A batch file of about `bytes` bytes made of typical command lines.
std::string batchFile(std::size_t bytes) {
    std::string text;
    for (std::size_t i = 0; text.size() < bytes; ++i)
        text += "COPY C:\\DATA\\FILE" + std::to_string(i) + ".TXT D:\\BACKUP\\ /Y\r\n";
    return text;
}

std::string linesFile(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) text += "ECHO Line number " + std::to_string(i) + " of the file\r\n";
    return text;
}

void switchParkedDocuments(benchmark::State& state) {
    const auto dir = folder();
    const auto text = linesFile(100000);
    for (const char* name : {"one.bat", "two.bat"})
        (void)core::text::writeFileAtomically(dir + name, text);
    Bench bench;
    bench.set.start({dir + "one.bat"});
    bench.set.openFile(dir + "two.bat");
    std::size_t tab = 0;
    for (auto _ : state) {
        bench.set.selectTab(tab);
        tab = 1 - tab;
    }
    state.counters["parked_bytes"] = static_cast<double>(bench.set.parkedDocuments().bytes());
    state.counters["file_bytes"] = static_cast<double>(text.size());
    std::filesystem::remove_all(dir);
}
BENCHMARK(switchParkedDocuments)->Unit(benchmark::kMillisecond);

void openTenMegabyteFile(benchmark::State& state) {
    const auto dir = folder();
    const auto path = dir + "large.bat";
    (void)core::text::writeFileAtomically(path, batchFile(10u << 20));
    for (auto _ : state) {
        state.PauseTiming(); // making and destroying the set is not part of opening
        auto bench = std::make_unique<Bench>();
        state.ResumeTiming();
        bench->set.start({path});
        benchmark::DoNotOptimize(bench->editor.lineCount());
        state.PauseTiming();
        bench.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(openTenMegabyteFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
