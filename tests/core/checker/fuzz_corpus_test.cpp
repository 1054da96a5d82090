// The regression corpus of the checker's fuzz target, replayed through the
// entry point the fuzzer drives.
#include "support/corpus_replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(CheckerFuzzCorpus, EveryInputPasses) {
    EXPECT_GT(testing_support::replayCorpus(CHECKER_CORPUS_DIR, LLVMFuzzerTestOneInput), 0u);
}
