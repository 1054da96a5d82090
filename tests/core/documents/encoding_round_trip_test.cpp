// The generated corpus written in every encoding, opened and saved unchanged:
// each file is found in its encoding and comes back byte for byte apart from
// line breaks.
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

namespace fs = std::filesystem;
using core::text::Encoding;
using testing_support::shellQuote;

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
        core::documents::MemoryEditorView editor;
        testing_support::ScriptedPrompter prompter;
        core::settings::MemorySettingsStore store;
        core::settings::writeBool(store, core::settings::Setting::WarnConsoleCharacters, false);
        core::settings::writeText(store, core::settings::Setting::DefaultEncoding, core::text::encodingKey(encoding));
        core::documents::PickLists lists;
        core::documents::DocumentSet documents(editor, prompter, files, store, lists);
        documents.start();
        std::size_t found = 0;
        for (const auto& entry : fs::directory_iterator(dir.path() / "corpus")) {
            // The corpus is Windows-1252; each file is written anew in the encoding.
            const auto text = core::text::decode(files.readFile(entry.path().string()).bytes, Encoding::Windows1252);
            const auto path = dir.file(std::string(core::text::encodingKey(encoding)) + "-" + entry.path().filename().string());
            ASSERT_TRUE(files.writeFileAtomically(path, core::text::encode(text, encoding).bytes).ok);
            EXPECT_TRUE(documents.openFile(path));
            found += documents.currentEncoding() == encoding;
            EXPECT_TRUE(documents.save());
            const auto saved = core::text::joinLines(core::text::splitLines(text));
            EXPECT_EQ(files.readFile(path).bytes, core::text::encode(saved, encoding).bytes) << path;
            documents.closeFile();
        }
        EXPECT_EQ(found, 40u);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{});
    }
}
