// Files opened and saved unchanged come back as they were: the example batch
// files shipped beside the program byte for byte, and the generated corpus
// written in every encoding found in its encoding and back apart from line
// breaks.
#include "core/aids/disk_file_system.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "core/text/lines.h"
#include "support/process.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using core::text::Encoding;
using testing_support::shellQuote;

// A document set over a folder, with `encoding` as the default one if given.
struct Documents {
    Documents(core::aids::DiskFileSystem& files, std::optional<Encoding> encoding)
        : documents(editor, prompter, files, store, lists) {
        core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
        if (encoding)
            core::settings::writeText(store, core::settings::Setting::DefaultEncoding, core::text::encodingKey(*encoding));
        documents.start();
    }
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::DocumentSet documents;
};

TEST(RoundTrip, ShippedExamplesSaveBackByteForByte) {
    testing_support::TempDir dir;
    core::aids::DiskFileSystem files(dir.folder());
    Documents set(files, std::nullopt);
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(EXAMPLES_FOLDER)) {
        if (entry.path().extension() != ".bat") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const auto path = dir.path() / entry.path().filename();
        fs::copy(entry.path(), path);
        const auto original = dir.read(entry.path().filename().string());
        EXPECT_TRUE(set.documents.openFile(path.string()));
        EXPECT_TRUE(set.documents.save());
        EXPECT_EQ(dir.read(entry.path().filename().string()), original);
        set.documents.closeFile();
        ++count;
    }
    EXPECT_GE(count, 5u);
    EXPECT_EQ(set.prompter.texts(), std::vector<std::string>{});
}

TEST(EncodingRoundTrip, GeneratedCorpusInEveryEncodingSavesBackUnchanged) {
    const std::string generator = CORPUS_GENERATOR;
    if (!fs::exists(generator)) GTEST_SKIP() << "no corpus generator at " << generator;
    if (testing_support::runCommand("command -v python3").status != 0) GTEST_SKIP() << "python3 is not installed";
    testing_support::TempDir dir;
    const auto made = testing_support::runCommand("python3 " + shellQuote(generator) + " " +
                                                  shellQuote(dir.file("corpus")) + " --files 40 --seed 21");
    ASSERT_EQ(made.status, 0) << made.err;
    core::aids::DiskFileSystem files(dir.folder());
    for (Encoding encoding : core::text::ALL_ENCODINGS) {
        SCOPED_TRACE(core::text::encodingName(encoding));
        Documents set(files, encoding);
        std::size_t found = 0;
        for (const auto& entry : fs::directory_iterator(dir.path() / "corpus")) {
            // The corpus is Windows-1252; each file is written anew in the encoding.
            const auto text = core::text::decode(files.readFile(entry.path().string()).bytes, Encoding::Windows1252);
            const auto path = dir.file(std::string(core::text::encodingKey(encoding)) + "-" + entry.path().filename().string());
            ASSERT_TRUE(files.writeFileAtomically(path, core::text::encode(text, encoding).bytes).ok);
            EXPECT_TRUE(set.documents.openFile(path));
            found += set.documents.currentEncoding() == encoding;
            EXPECT_TRUE(set.documents.save());
            const auto saved = core::text::joinLines(core::text::splitLines(text));
            EXPECT_EQ(files.readFile(path).bytes, core::text::encode(saved, encoding).bytes) << path;
            set.documents.closeFile();
        }
        EXPECT_EQ(found, 40u);
        EXPECT_EQ(set.prompter.texts(), std::vector<std::string>{});
    }
}

} // namespace
