#include "cli/lsp/batch_scan.h"

#include "cli/lsp/command_place.h"
#include "core/text/codepage.h"

namespace cli::lsp {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
// Characters that end a label name.
bool endsName(char c) { return isBlank(c) || std::string_view(":&|<>;=,+()\"").find(c) != std::string_view::npos; }
// Characters after which a command word may start.
bool startsCommand(char c) { return isBlank(c) || c == '@' || c == '(' || c == ')' || c == '&' || c == '|'; }
bool isWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '_' || c == '-' || c == '.';
}

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    return at;
}

std::size_t nameEnd(std::string_view line, std::size_t at) {
    while (at < line.size() && !endsName(line[at])) ++at;
    return at;
}

// Whether `word` stands at `at` as a command word: after a separator and before a blank.
bool keywordAt(std::string_view line, std::size_t at, std::string_view word) {
    if (at + word.size() >= line.size() || !isBlank(line[at + word.size()])) return false;
    if (at > 0 && !startsCommand(line[at - 1])) return false;
    return core::text::equalsIgnoreCase(line.substr(at, word.size()), word);
}

bool isComment(std::string_view line) {
    const std::size_t at = skipBlanks(line, 0);
    const std::string_view rest = line.substr(at);
    if (rest.starts_with("::")) return true;
    return rest.size() >= 3 && core::text::equalsIgnoreCase(rest.substr(0, 3), "REM") &&
           (rest.size() == 3 || isBlank(rest[3]));
}

void addReferences(std::vector<NamePlace>& out, std::string_view line, std::size_t index) {
    for (std::size_t at = 0; at < line.size(); ++at) {
        const bool jump = keywordAt(line, at, "GOTO");
        if (!jump && !keywordAt(line, at, "CALL")) continue;
        std::size_t name = skipBlanks(line, at + 4);
        if (name < line.size() && line[name] == ':') ++name;
        else if (!jump) continue; // CALL without a colon runs a program
        const std::size_t end = nameEnd(line, name);
        if (end > name) out.push_back({index, name, std::string(line.substr(name, end - name))});
        at = end;
    }
}

} // namespace

bool sameName(std::string_view a, std::string_view b) { return core::text::equalsIgnoreCase(a, b); }

std::vector<NamePlace> labelDefinitions(const std::vector<std::string>& lines) {
    std::vector<NamePlace> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t colon = skipBlanks(line, 0);
        if (colon >= line.size() || line[colon] != ':' || line.substr(colon).starts_with("::")) continue;
        const std::size_t end = nameEnd(line, colon + 1);
        if (end > colon + 1) out.push_back({i, colon + 1, std::string(line.substr(colon + 1, end - colon - 1))});
    }
    return out;
}

std::vector<NamePlace> labelReferences(const std::vector<std::string>& lines) {
    std::vector<NamePlace> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isComment(lines[i])) addReferences(out, lines[i], i);
    return out;
}

std::vector<std::string> setVariables(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& text : lines) {
        const std::string_view line = text;
        for (std::size_t at = 0; at < line.size(); ++at) {
            if (!keywordAt(line, at, "SET")) continue;
            std::size_t name = skipBlanks(line, at + 3);
            if (line.substr(name).size() > 2 && line[name] == '/' && isBlank(line[name + 2])) name = skipBlanks(line, name + 2);
            if (name < line.size() && line[name] == '"') ++name;
            const std::size_t equals = line.find('=', name);
            if (equals == std::string_view::npos || equals == name) break;
            const std::string_view found = line.substr(name, equals - name);
            if (found.find_first_of(" \t%") != std::string_view::npos) break;
            bool known = false;
            for (const auto& v : out) known = known || sameName(v, found);
            if (!known) out.emplace_back(found);
            break;
        }
    }
    return out;
}

CompletionContext completionContext(std::string_view line, std::size_t column) {
    const std::string_view before = line.substr(0, std::min(column, line.size()));
    std::size_t percents = 0;
    for (char c : before) percents += c == '%' ? 1 : 0;
    if (percents % 2 == 1) return CompletionContext::Variable;
    // Back over the word being typed, then see what stands before it.
    std::size_t word = before.size();
    while (word > 0 && !endsName(before[word - 1])) --word;
    std::size_t gap = word;
    if (gap > 0 && before[gap - 1] == ':') --gap;
    const bool colon = gap < word;
    std::size_t blanks = gap;
    while (blanks > 0 && isBlank(before[blanks - 1])) --blanks;
    if (blanks < gap && blanks >= 4) {
        const std::string_view keyword = before.substr(blanks - 4, 4);
        const bool boundary = blanks == 4 || startsCommand(before[blanks - 5]);
        if (boundary && sameName(keyword, "GOTO")) return CompletionContext::Label;
        if (boundary && colon && sameName(keyword, "CALL")) return CompletionContext::Label;
    }
    if (colon) return CompletionContext::None;
    std::size_t start = word;
    while (start > 0 && isBlank(before[start - 1])) --start;
    if (commandMayFollow(before.substr(0, start))) return CompletionContext::Command;
    return CompletionContext::None;
}

std::optional<NamePlace> labelAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column) {
    if (line >= lines.size()) return std::nullopt;
    std::vector<NamePlace> places = labelReferences({lines[line]});
    for (auto& d : labelDefinitions({lines[line]})) places.push_back(std::move(d));
    for (auto& place : places) {
        // The colon before the name counts as part of it.
        if (column + 1 >= place.column && column <= place.column + place.name.size()) {
            place.line = line;
            return place;
        }
    }
    return std::nullopt;
}

std::optional<NamePlace> wordAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column) {
    if (line >= lines.size()) return std::nullopt;
    const std::string_view text = lines[line];
    std::size_t start = std::min(column, text.size());
    while (start > 0 && isWordChar(text[start - 1])) --start;
    std::size_t end = std::min(column, text.size());
    while (end < text.size() && isWordChar(text[end])) ++end;
    if (end == start) return std::nullopt;
    return NamePlace{line, start, std::string(text.substr(start, end - start))};
}

bool looksLikeCode(std::string_view word) {
    if (word.size() < 2 || !((word[0] >= 'A' && word[0] <= 'Z'))) return false;
    for (char c : word.substr(1))
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace cli::lsp
