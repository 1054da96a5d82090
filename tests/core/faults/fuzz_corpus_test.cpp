// The regression corpora of the core's fuzz targets, replayed through the
// same entry points the fuzzer drives.
#include "fuzz_targets.h"
#include "support/corpus_replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(FuzzCorpus, EveryInputPassesItsTarget) {
    const struct {
        const char* folder;
        testing_support::FuzzEntry entry;
    } targets[] = {
        {"settings", fuzz::listFileInput}, {"documents", fuzz::openRequestInput}, {"info", fuzz::pop3Input},
        {"checker", LLVMFuzzerTestOneInput}, {"cmdcheck", fuzz::cmdInput},        {"fixes", fuzz::fixesInput},
    };
    for (const auto& target : targets) {
        SCOPED_TRACE(target.folder);
        EXPECT_GT(testing_support::replayCorpus(std::string(FUZZ_CORPUS_DIR) + "/" + target.folder, target.entry), 0u);
    }
}
