// Batch files as people write them, generated afresh, opened and saved
// unchanged: the bytes come back the same apart from line breaks, which
// become CR LF after every line.
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "support/fake_file_system.h"
#include "support/process.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

} // namespace

TEST(RoundTrip, GeneratedCorpusSavesBackUnchangedApartFromLineBreaks) {
    const std::string generator = CORPUS_GENERATOR;
    if (!fs::exists(generator)) GTEST_SKIP() << "no corpus generator at " << generator;
    if (runCommand("command -v python3").status != 0) GTEST_SKIP() << "python3 is not installed";
    testing_support::TempDir dir;
    const auto made = runCommand("python3 " + shellQuote(generator) + " " + shellQuote(dir.file("corpus")) +
                                 " --files 60 --seed 13 --big 1");
    ASSERT_EQ(made.status, 0) << made.err;

    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(dir.path() / "corpus")) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    ASSERT_EQ(paths.size(), 61u);

    testing_support::DiskFileSystem files(dir.folder());
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.start();
    std::size_t lineBreaksChanged = 0;
    for (const auto& path : paths) {
        SCOPED_TRACE(path.filename().string());
        const auto original = dir.read("corpus/" + path.filename().string());
        ASSERT_TRUE(documents.openFile(path.string()));
        ASSERT_TRUE(documents.save());
        const auto saved = dir.read("corpus/" + path.filename().string());
        EXPECT_EQ(saved, withCrLfBreaks(original));
        lineBreaksChanged += saved != original;
        documents.closeFile();
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_GT(lineBreaksChanged, 0u); // the corpus does hold lone CRs, lone LFs and unfinished last lines
}
