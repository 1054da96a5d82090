#include "core/cmdcheck/name_hashes.h"

#include "core/cmdcheck/walk.h"

namespace core::cmdcheck {

// FNV-1a over the upper-case bytes; never 0, which marks an empty slot.
std::uint64_t NameHashes::hashOf(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(text::toUpper(c));
        hash *= 1099511628211ull;
    }
    return hash == 0 ? 1 : hash;
}

void NameHashes::insert(std::string_view name) { insertHash(hashOf(name)); }

void NameHashes::add(const NameHashes& other) {
    for (const std::uint64_t hash : other.m_slots)
        if (hash != 0) insertHash(hash);
}

void NameHashes::insertHash(std::uint64_t hash) {
    if (2 * (m_count + 1) > m_slots.size()) grow();
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (m_slots[i] == hash) return;
        if (m_slots[i] == 0) {
            m_slots[i] = hash;
            ++m_count;
            return;
        }
    }
}

bool NameHashes::contains(std::string_view name) const {
    const std::uint64_t hash = hashOf(name);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (m_slots[i] == hash) return true;
        if (m_slots[i] == 0) return false;
    }
}

void NameHashes::grow() {
    std::vector<std::uint64_t> old(m_slots.size() * 2, 0);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const std::uint64_t hash : old) {
        if (hash == 0) continue;
        std::size_t i = hash & mask;
        while (m_slots[i] != 0) i = (i + 1) & mask;
        m_slots[i] = hash;
    }
}

} // namespace core::cmdcheck
