// The regression corpus of the plan reader's fuzz target, replayed through
// the entry point the fuzzer drives.
#include "fuzz_targets.h"
#include "support/corpus_replay.h"

TEST(PlanFuzzCorpus, EveryInputPasses) {
    EXPECT_GT(testing_support::replayCorpus(FUZZ_CORPUS_DIR, fuzz::planInput), 0u);
}
