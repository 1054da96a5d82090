// The generated corpus written in every encoding, opened and saved unchanged:
// each file is found in its encoding and comes back byte for byte apart from
// line breaks.
#include "core/aids/disk_file_system.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"
#include "support/process.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using core::text::Encoding;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes every Windows-1252 file of `from` into `to` in the encoding, opens and
// saves each with that encoding as the default; how many files it found in it.
std::size_t roundTrip(const fs::path& from, const fs::path& to, Encoding encoding) {
    fs::create_directories(to);
    core::aids::DiskFileSystem files(to.string() + "/");
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
    core::settings::writeText(store, core::settings::Setting::DefaultEncoding, core::text::encodingKey(encoding));
    core::documents::PickLists lists;
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.start();
    std::size_t found = 0;
    for (const auto& entry : fs::directory_iterator(from)) {
        SCOPED_TRACE(entry.path().filename().string());
        const auto text = core::text::decode(readBytes(entry.path()), Encoding::Windows1252);
        const auto encoded = core::text::encode(text, encoding);
        EXPECT_TRUE(encoded.ok);
        const auto path = to / entry.path().filename();
        std::ofstream(path, std::ios::binary) << encoded.bytes;
        EXPECT_TRUE(documents.openFile(path.string()));
        found += documents.currentEncoding() == encoding;
        EXPECT_TRUE(documents.save());
        const auto expected = core::text::encode(core::text::joinLines(core::text::splitLines(text)), encoding);
        EXPECT_EQ(readBytes(path), expected.bytes);
        documents.closeFile();
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{});
    return found;
}

} // namespace

TEST(EncodingRoundTrip, GeneratedCorpusInEveryEncodingSavesBackUnchanged) {
    const std::string generator = CORPUS_GENERATOR;
    if (!fs::exists(generator)) GTEST_SKIP() << "no corpus generator at " << generator;
    if (testing_support::runCommand("command -v python3").status != 0) GTEST_SKIP() << "python3 is not installed";
    testing_support::TempDir dir;
    const auto corpus = dir.path() / "corpus";
    const auto made = testing_support::runCommand("python3 " + testing_support::shellQuote(generator) + " " +
                                                  testing_support::shellQuote(corpus.string()) + " --files 40 --seed 21");
    ASSERT_EQ(made.status, 0) << made.err;
    for (Encoding encoding : core::text::ALL_ENCODINGS) {
        SCOPED_TRACE(core::text::encodingName(encoding));
        EXPECT_EQ(roundTrip(corpus, dir.path() / core::text::encodingKey(encoding), encoding), 40u);
    }
}
