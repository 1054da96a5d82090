// Batch files as people write them, generated afresh, and the shipped
// examples, opened and saved unchanged: the bytes come back the same apart
// from line breaks, which become CR LF after every line.
#include "core/aids/disk_file_system.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "support/process.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using testing_support::runCommand;
using testing_support::shellQuote;

namespace {

// CR LF, a lone CR and a lone LF each end a line; the last line gets a break too.
std::string withCrLfBreaks(const std::string& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            out += bytes[i];
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        out += "\r\n";
    }
    if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
    return out;
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Opens every file of folder, saves it unchanged and checks its bytes; the
// number of files whose line breaks changed.
std::size_t saveEachUnchanged(const fs::path& folder) {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(folder)) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    core::aids::DiskFileSystem files(folder.string() + "/");
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
    core::documents::PickLists lists;
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.start();
    std::size_t lineBreaksChanged = 0;
    for (const auto& path : paths) {
        SCOPED_TRACE(path.filename().string());
        const auto original = readBytes(path);
        EXPECT_TRUE(documents.openFile(path.string()));
        EXPECT_TRUE(documents.save());
        const auto saved = readBytes(path);
        EXPECT_EQ(saved, withCrLfBreaks(original));
        lineBreaksChanged += saved != original;
        documents.closeFile();
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{});
    return lineBreaksChanged;
}

} // namespace

TEST(RoundTrip, GeneratedCorpusSavesBackUnchangedApartFromLineBreaks) {
    const std::string generator = CORPUS_GENERATOR;
    if (!fs::exists(generator)) GTEST_SKIP() << "no corpus generator at " << generator;
    if (runCommand("command -v python3").status != 0) GTEST_SKIP() << "python3 is not installed";
    testing_support::TempDir dir;
    const auto made = runCommand("python3 " + shellQuote(generator) + " " + shellQuote(dir.file("corpus")) +
                                 " --files 60 --seed 13 --big 1");
    ASSERT_EQ(made.status, 0) << made.err;
    ASSERT_EQ(std::distance(fs::directory_iterator(dir.path() / "corpus"), fs::directory_iterator()), 61);
    // The corpus holds lone CRs, lone LFs and unfinished last lines.
    EXPECT_GT(saveEachUnchanged(dir.path() / "corpus"), 0u);
}

// The example batch files shipped beside the program, opened from a copy:
// they already hold CR LF after every line.
TEST(RoundTrip, ShippedExamplesSaveBackByteForByte) {
    testing_support::TempDir dir;
    for (const auto& entry : fs::directory_iterator(EXAMPLES_FOLDER))
        if (entry.path().extension() == ".bat") fs::copy(entry.path(), dir.path() / entry.path().filename());
    ASSERT_GE(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
    EXPECT_EQ(saveEachUnchanged(dir.path()), 0u);
}
