#pragma once
// Replays a fuzzing corpus through its entry point: inputs that once reached
// new code or broke something must keep passing the target's checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

//! Feeds every file of folder to entry; returns how many there were.
inline std::size_t replayCorpus(const std::filesystem::path& folder, FuzzEntry entry) {
    std::size_t replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().string());
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        ++replayed;
    }
    return replayed;
}

} // namespace testing_support
