#pragma once
// A check of a large file with the command interpreter's rules on several
// threads. The file is cut into parts at labels that a jump names (where dead
// code ends, as a rule); each part is walked on its own as if the file
// started there (at the top level, or inside blocks when the parts joined so
// far ended inside blocks), and the parts are joined in order. A part whose
// walk assumed another start than the walk before it ended in is walked again
// from there, so the result is always the whole walk's.
#include "core/checker/colour_sink.h"
#include "core/checker/syntax_checker.h"
#include "core/cmdcheck/file_index.h"
#include "core/documents/pick_lists.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::cmdcheck {

//! One part of the file, walked on its own.
class WalkedPart {
public:
    struct State;
    explicit WalkedPart(std::unique_ptr<State> state);
    WalkedPart(WalkedPart&&) noexcept;
    WalkedPart& operator=(WalkedPart&&) noexcept;
    ~WalkedPart();

private:
    friend class PartedWalk;
    std::unique_ptr<State> m_state;
};

class PartedWalk {
public:
    //! Clears the label list and the colours, as a check does first. The
    //! arguments are borrowed: they outlive the walk.
    PartedWalk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
               documents::PickLists& lists, const std::vector<std::string>& ignored, std::size_t partLines);
    //! With the parts starting at `starts` (ascending, the first 0; no line
    //! before a start continues on it).
    PartedWalk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
               documents::PickLists& lists, const std::vector<std::string>& ignored, std::vector<std::size_t> starts);
    ~PartedWalk();
    PartedWalk(const PartedWalk&) = delete;
    PartedWalk& operator=(const PartedWalk&) = delete;

    std::size_t parts() const { return m_starts.size(); }
    //! Walks part `i` on its own; several parts may be walked at once.
    WalkedPart walk(std::size_t i) const { return walk(i, m_insideBlocks.load()); }
    //! The same, started inside blocks or at the top level as asked.
    WalkedPart walk(std::size_t i, bool insideBlocks) const;
    //! Takes the parts in their order, each once.
    void join(WalkedPart&& part);
    //! All findings, as lintCmd gives them; fills the lists.
    checker::CheckResult finish();

private:
    std::span<const std::string_view> m_lines;
    const FileIndex& m_index;
    checker::ColourSink& m_colours;
    documents::PickLists& m_lists;
    std::vector<std::string> m_ignored;
    std::vector<std::size_t> m_starts;
    //! Where the walk joined so far ended: a part starts there, as a rule.
    std::atomic<bool> m_insideBlocks{false};
    std::unique_ptr<WalkedPart::State> m_joined; //!< the walk of the file up to the last part joined
};

//! Where each part starts: line 0, then about every `partLines` lines the
//! next label a jump names, not continuing the line before it.
std::vector<std::size_t> partStarts(std::span<const std::string_view> lines, const FileIndex& index,
                                    std::size_t partLines);

} // namespace core::cmdcheck
