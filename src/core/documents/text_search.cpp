#include "core/documents/text_search.h"

#include "core/text/codepage.h"

#include <algorithm>

namespace core::documents {
namespace {

// Upper case of the letters Windows-1252 holds; every such letter keeps its
// UTF-8 length, so offsets into the folded text are offsets into the text.
std::string folded(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = text::nextCodePoint(utf8, i);
        const auto byte = text::byteOf(c);
        if (!byte) {
            out.append(utf8.substr(start, i - start));
            continue;
        }
        const auto upper = text::unicodeOf(static_cast<unsigned char>(text::toUpper(static_cast<char>(*byte))));
        std::string encoded;
        text::appendUtf8(encoded, upper);
        out += encoded.size() == i - start ? encoded : std::string(utf8.substr(start, i - start));
    }
    return out;
}

// Letters, digits, '_' and anything beyond ASCII make up words.
bool wordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || byte == '_' || (byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z');
}

bool isWhole(std::string_view text, std::size_t start, std::size_t length) {
    const bool before = start > 0 && wordByte(text[start - 1]);
    const bool after = start + length < text.size() && wordByte(text[start + length]);
    return !before && !after;
}

// The note sits beside the search field in a bar as wide as the smallest
// window: a long search text keeps its first characters and an ellipsis.
std::string shortened(std::string_view utf8) {
    constexpr std::size_t SHOWN = 10;
    std::size_t end = 0;
    for (std::size_t shown = 0; shown < SHOWN && end < utf8.size(); ++shown) text::nextCodePoint(utf8, end);
    return end < utf8.size() ? std::string(utf8.substr(0, end)) + "\u2026" : std::string(utf8);
}

} // namespace

std::vector<TextMatch> findAll(std::string_view text, std::string_view needle, const SearchOptions& options) {
    std::vector<TextMatch> matches;
    if (needle.empty()) return matches;
    const std::string haystackFolded = options.matchCase ? std::string() : folded(text);
    const std::string needleFolded = options.matchCase ? std::string() : folded(needle);
    const std::string_view haystack = options.matchCase ? text : std::string_view(haystackFolded);
    const std::string_view wanted = options.matchCase ? needle : std::string_view(needleFolded);
    for (auto at = haystack.find(wanted); at != std::string_view::npos;) {
        if (!options.wholeWord || isWhole(text, at, wanted.size())) {
            matches.push_back({at, wanted.size()});
            at = haystack.find(wanted, at + wanted.size());
        } else {
            at = haystack.find(wanted, at + 1);
        }
    }
    return matches;
}

FindOutcome findFrom(std::string_view text, std::string_view needle, const SearchOptions& options, std::size_t from,
                     bool backward) {
    const auto matches = findAll(text, needle, options);
    if (matches.empty()) return {};
    if (!backward) {
        const auto next = std::find_if(matches.begin(), matches.end(), [&](const TextMatch& m) { return m.start >= from; });
        return next != matches.end() ? FindOutcome{*next, false} : FindOutcome{matches.front(), true};
    }
    const auto previous = std::find_if(matches.rbegin(), matches.rend(),
                                       [&](const TextMatch& m) { return m.start + m.length <= from; });
    return previous != matches.rend() ? FindOutcome{*previous, false} : FindOutcome{matches.back(), true};
}

std::string findNote(const FindOutcome& outcome, std::string_view needle, bool backward) {
    if (!outcome.match) return "\"" + shortened(needle) + "\" was not found";
    if (!outcome.wrapped) return {};
    return backward ? "Went on from the bottom" : "Went on from the top";
}

} // namespace core::documents
