#pragma once
// Searching the text of a document as the Find bar does: with or without
// letter case, whole words or anywhere, forward or backward, wrapping around
// at the end with a note that says so. Text is UTF-8; offsets are bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::documents {

struct SearchOptions {
    bool matchCase = false; //!< false: letters of Windows-1252 match in either case
    bool wholeWord = false; //!< the match neither starts nor ends inside a word
    bool operator==(const SearchOptions&) const = default;
};

struct TextMatch {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const TextMatch&) const = default;
};

//! Every match, left to right, none overlapping.
std::vector<TextMatch> findAll(std::string_view text, std::string_view needle, const SearchOptions& options);

struct FindOutcome {
    std::optional<TextMatch> match;
    bool wrapped = false; //!< found only past the end (or, backward, before the start)
};

//! The next match starting at or after `from`, or backward the last one
//! ending at or before `from`; past the end of the text the search goes on
//! from the other end.
FindOutcome findFrom(std::string_view text, std::string_view needle, const SearchOptions& options, std::size_t from,
                     bool backward);

//! What the Find bar says after a search: nothing, that it wrapped, or that
//! the text is not there (a long text shortened, so the note fits the bar).
std::string findNote(const FindOutcome& outcome, std::string_view needle, bool backward);

} // namespace core::documents
