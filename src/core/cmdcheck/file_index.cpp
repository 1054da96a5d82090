#include "core/cmdcheck/file_index.h"

#include "core/cmdcheck/walk.h"
#include "core/text/byte_words.h"

#include <bit>

namespace core::cmdcheck {
namespace {

// Whether `text` at `at` holds `lower` (ASCII letters, '/' and ':'), letter case ignored.
bool matchesAt(std::string_view text, std::size_t at, std::string_view lower) {
    if (at + lower.size() > text.size()) return false;
    for (std::size_t k = 0; k < lower.size(); ++k)
        if ((text[at + k] | 0x20) != lower[k]) return false;
    return true;
}

void addJumpTarget(FileIndex& index, std::string_view line, std::size_t pos) {
    while (pos < line.size() && (isBlank(line[pos]) || line[pos] == ':')) ++pos;
    std::size_t end = pos;
    while (end < line.size() && !isBlank(line[end]) &&
           std::string_view(":+,;=&|<>()\"").find(line[end]) == std::string_view::npos)
        ++end;
    const std::string_view target = line.substr(pos, end - pos);
    if (target.find_first_of("%!") != std::string_view::npos) index.dynamicJumps = true;
    else index.jumpTargets.insert(target);
}

void indexWordAt(FileIndex& index, std::string_view line, std::size_t at) {
    const char first = static_cast<char>(line[at] | 0x20);
    if (first == 'g' || first == 'c') {
        if (matchesAt(line, at, first == 'g' ? "goto" : "call")) addJumpTarget(index, line, at + 4);
    } else if (!index.delayedEverEnabled && (first == 'e' || first == '/')) {
        index.delayedEverEnabled = matchesAt(line, at, first == 'e' ? "enabledelayedexpansion" : "/v:on");
    }
}

// GOTO and CALL anywhere in the line, and the words that enable delayed
// expansion. Eight bytes at a time, looking closer only at the letters such a
// word starts with.
void indexWords(FileIndex& index, std::string_view line) {
    const auto mayStart = [&](char c) {
        c = static_cast<char>(c | 0x20);
        return c == 'g' || c == 'c' || (!index.delayedEverEnabled && (c == 'e' || c == '/'));
    };
    std::size_t at = 0;
    for (; at + 8 <= line.size(); at += 8) {
        const std::uint64_t word = text::wordAt(line.data() + at) | (text::BYTE_ONES * 0x20);
        std::uint64_t starts = text::anyByteIs(word, 'g') | text::anyByteIs(word, 'c');
        if (!index.delayedEverEnabled) starts |= text::anyByteIs(word, 'e') | text::anyByteIs(word, '/');
        for (; starts != 0; starts &= starts - 1)
            indexWordAt(index, line, at + static_cast<std::size_t>(std::countr_zero(starts)) / 8);
    }
    for (; at < line.size(); ++at)
        if (mayStart(line[at])) indexWordAt(index, line, at);
}

} // namespace

std::string_view labelName(std::string_view text, std::size_t colon) {
    std::size_t end = colon + 1;
    while (end < text.size() && !isBlank(text[end]) && std::string_view(":+,;=&|<>").find(text[end]) == std::string_view::npos)
        ++end;
    return text.substr(colon + 1, end - colon - 1);
}

void FileIndex::add(const FileIndex& part) {
    labels.add(part.labels);
    jumpTargets.add(part.jumpTargets);
    dynamicJumps = dynamicJumps || part.dynamicJumps;
    delayedEverEnabled = delayedEverEnabled || part.delayedEverEnabled;
}

FileIndex indexLines(std::span<const std::string_view> lines) {
    FileIndex index;
    for (const auto line : lines) {
        std::size_t pos = 0;
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos < line.size() && line[pos] == ':' && (pos + 1 >= line.size() || line[pos + 1] != ':'))
            index.labels.insert(labelName(line, pos));
        indexWords(index, line);
    }
    return index;
}

} // namespace core::cmdcheck
