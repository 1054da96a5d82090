// Loading a list file of 1,000,000 short entries (target: well under a second).
#include "core/settings/list_files.h"
#include "core/settings/memory_settings_store.h"
#include "core/text/file_io.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

class TempFolderFileSystem : public core::ports::FileSystem {
public:
    explicit TempFolderFileSystem(std::string folder) : m_folder(std::move(folder)) {}
    core::text::ReadResult readFile(const std::string& path) override { return core::text::readFile(path); }
    core::text::WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) override {
        return core::text::writeFileAtomically(path, bytes);
    }
    bool exists(const std::string& path) override { return std::filesystem::exists(path); }
    std::string shortPath(const std::string& path) override { return path; }
    std::string programFolder() override { return m_folder; }
    std::string dataFolder() override { return m_folder; }

private:
    std::string m_folder;
};

void loadMillionEntries(benchmark::State& state) {
    const auto folder = (std::filesystem::temp_directory_path() / "quillet-bench-lists").string() + "/";
    std::filesystem::create_directories(folder);
    TempFolderFileSystem files(folder);
    core::settings::MemorySettingsStore store;
    std::vector<std::string> entries(1000000, "COPY A.TXT B.TXT");
    core::settings::saveList(store, files, core::settings::ListFile::Ignore, entries);
    for (auto _ : state) {
        auto loaded = core::settings::loadList(store, files, core::settings::ListFile::Ignore);
        benchmark::DoNotOptimize(loaded.data());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(loadMillionEntries)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
