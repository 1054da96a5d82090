#pragma once
// Small readings of a batch line that the fix builders share (one byte per
// character, Windows-1252).
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::fixes {

bool isBlank(char c);
bool isLetter(char c);
bool isWordChar(char c); //!< letters, digits and "_-."
std::size_t skipBlanks(std::string_view line, std::size_t at);
//! The first blank at or after `at`, or the line's end.
std::size_t wordEnd(std::string_view line, std::size_t at);
//! Whether `word` (letter case ignored) ends just before `at`, after blanks,
//! and starts the command (the line's start, a blank, '@', '(' or '&' before it).
bool commandBefore(std::string_view line, std::size_t at, std::string_view word);

//! The names of the label lines (":NAME"), as written.
std::vector<std::string> labelNames(std::span<const std::string_view> lines);
//! The label whose name is nearest to `name` (a slip or two away, and nearer
//! than any other); nothing when there is no such single label.
std::optional<std::string> nearestLabel(std::string_view name, const std::vector<std::string>& labels);

//! `word` written in the letter case of `like`: lower case, capitalised or upper case.
std::string inCaseOf(std::string_view like, std::string_view word);

} // namespace core::fixes
