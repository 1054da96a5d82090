#include "cli/lsp/command_place.h"

#include "core/text/codepage.h"

#include <array>
#include <cstddef>
#include <vector>

namespace cli::lsp {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return c == '(' || c == ')' || c == '&' || c == '|'; }
bool is(std::string_view word, std::string_view keyword) { return core::text::equalsIgnoreCase(word, keyword); }

// Where the last command of the text starts: after its last separator outside quotes.
std::size_t lastCommandStart(std::string_view text) {
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '"') quoted = !quoted;
        else if (!quoted && isSeparator(text[at])) start = at + 1;
    }
    return start;
}

// Where the word starting at `at` ends: at a blank or "==" outside quotes.
std::size_t wordEnd(std::string_view text, std::size_t at) {
    if (text.substr(at, 2) == "==") return at + 2;
    for (bool quoted = false; at < text.size() && (quoted || (!isBlank(text[at]) && text.substr(at, 2) != "==")); ++at)
        if (text[at] == '"') quoted = !quoted;
    return at;
}

// The words of a command: a quoted part stays whole, "==" is a word of its own.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        at = wordEnd(text, at);
        out.push_back(text.substr(start, at - start));
    }
    return out;
}

// Tests that take one operand; any other condition compares two.
bool isSingleTest(std::string_view word) {
    return is(word, "ERRORLEVEL") || is(word, "EXIST") || is(word, "DEFINED") || is(word, "CMDEXTVERSION");
}

bool isComparison(std::string_view word) {
    static constexpr std::array<std::string_view, 7> operators = {"==", "EQU", "NEQ", "LSS", "LEQ", "GTR", "GEQ"};
    for (const auto op : operators)
        if (is(word, op)) return true;
    return false;
}

// Whether the words are one or more whole IF conditions and nothing after them.
bool wholeConditions(const std::vector<std::string_view>& words) {
    std::size_t at = 0;
    while (at < words.size()) {
        if (!is(words[at], "IF")) return false;
        ++at;
        while (at < words.size() && (is(words[at], "/I") || is(words[at], "NOT"))) ++at;
        if (at >= words.size()) return false;
        if (isSingleTest(words[at])) at += 2;
        else if (at + 1 < words.size() && isComparison(words[at + 1])) at += 3;
        else return false;
    }
    return at == words.size();
}

} // namespace

bool commandMayFollow(std::string_view text) {
    if (text.empty() || text.back() == '@' || isSeparator(text.back())) return true;
    const std::size_t start = lastCommandStart(text);
    std::vector<std::string_view> words = wordsOf(text.substr(start));
    if (!words.empty() && words.front().starts_with('@')) words.front().remove_prefix(1);
    // "(...) DO" and ") ELSE" begin a command of their own.
    const bool afterParenthesis = start > 0 && text[start - 1] == ')';
    if (afterParenthesis && !words.empty() && (is(words.front(), "DO") || is(words.front(), "ELSE")))
        words.erase(words.begin());
    return words.empty() || wholeConditions(words);
}

} // namespace cli::lsp
