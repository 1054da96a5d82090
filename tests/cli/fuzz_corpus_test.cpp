// The regression corpora of the plan reader's and the language server's fuzz
// targets, replayed through the entry points the fuzzer drives.
#include "fuzz_targets.h"
#include "support/corpus_replay.h"

TEST(CliFuzzCorpus, EveryInputPassesItsTarget) {
    const std::pair<const char*, testing_support::FuzzEntry> targets[] = {{"wizard", fuzz::planInput}, {"lsp", fuzz::lspInput}};
    for (const auto& [folder, entry] : targets) {
        SCOPED_TRACE(folder);
        EXPECT_GT(testing_support::replayCorpus(std::string(FUZZ_CORPUS_DIR) + "/" + folder, entry), 0u);
    }
}
