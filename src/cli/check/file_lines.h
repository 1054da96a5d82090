#pragma once
// The lines of a file to check, as views into its text, and for the command
// interpreter's rules the index of its labels and jumps. A large text is
// split on every worker, each taking a stretch that ends with a line feed
// (so no line is cut): the lines are counted first, then each worker puts
// its own into one block and indexes them while they are at hand.
#include "core/cmdcheck/file_index.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace cli {

class FileLines {
public:
    //! `indexed`: make the index with the lines.
    FileLines(std::string_view text, std::size_t workers, bool indexed);
    std::span<const std::string_view> view() const { return {m_lines, m_count}; }
    //! The index of the lines, made now unless it was made with them.
    const core::cmdcheck::FileIndex& index() const;

private:
    void splitInParts(std::string_view text, std::size_t workers, bool indexed);

    struct Release {
        void operator()(std::string_view* lines) const { ::operator delete(lines); }
    };
    std::vector<std::string_view> m_small;
    std::unique_ptr<std::string_view, Release> m_block; //!< views constructed in place
    const std::string_view* m_lines = nullptr;
    std::size_t m_count = 0;
    mutable std::optional<core::cmdcheck::FileIndex> m_index;
};

} // namespace cli
