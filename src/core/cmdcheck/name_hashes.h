#pragma once
// A set of names, letter case ignored, kept as 64-bit hashes in one flat
// open-addressing table: labels and jump targets of big files are looked up
// with one memory access instead of a node per name. Two different names with
// the same 64-bit hash would count as equal; with names of a batch file that
// does not happen in practice.
#include <cstdint>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

class NameHashes {
public:
    void insert(std::string_view name);
    bool contains(std::string_view name) const;
    //! Every name of `other` added.
    void add(const NameHashes& other);

private:
    static std::uint64_t hashOf(std::string_view name);
    void insertHash(std::uint64_t hash);
    void grow();

    std::vector<std::uint64_t> m_slots = std::vector<std::uint64_t>(64, 0); //!< 0 marks an empty slot
    std::size_t m_count = 0;
};

} // namespace core::cmdcheck
