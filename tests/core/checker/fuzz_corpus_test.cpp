// Replays the checker's fuzzing corpus: inputs that once reached new code or
// broke something must keep passing the fuzz target's checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(CheckerFuzzCorpus, EveryInputPasses) {
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CHECKER_CORPUS_DIR)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        ++replayed;
    }
    EXPECT_GT(replayed, 0u);
}
