// The regression corpus of the language server's fuzz target, replayed
// through the entry point the fuzzer drives.
#include "fuzz_targets.h"
#include "support/corpus_replay.h"

TEST(LspFuzzCorpus, EveryInputPasses) {
    EXPECT_GT(testing_support::replayCorpus(LSP_CORPUS_DIR, fuzz::lspInput), 0u);
}
