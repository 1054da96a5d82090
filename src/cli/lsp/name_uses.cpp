#include "cli/lsp/name_uses.h"

#include "core/text/codepage.h"
#include "core/text/encoding.h"

#include <algorithm>

namespace cli::lsp {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool startsCommand(char c) { return isBlank(c) || c == '@' || c == '(' || c == '&' || c == '|'; }
std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    return at;
}

// `word` at `at` as a word of its own, letter case ignored.
bool wordAt(std::string_view line, std::size_t at, std::string_view word) {
    if (at + word.size() >= line.size() || !isBlank(line[at + word.size()])) return false;
    if (at > 0 && !startsCommand(line[at - 1])) return false;
    return core::text::equalsIgnoreCase(line.substr(at, word.size()), word);
}

// %NAME% and %NAME:...% (not %%V, %1, %~dp0, %*), and !NAME! likewise.
void addReads(std::vector<NameUse>& out, std::string_view line, std::size_t index) {
    for (std::size_t at = 0; at + 1 < line.size();) {
        const char mark = line[at];
        if (mark != '%' && mark != '!') {
            ++at;
            continue;
        }
        const char next = line[at + 1];
        if (mark == '%' && (next == '%' || next == '*' || next == '~' || (next >= '0' && next <= '9'))) {
            at += 2;
            continue;
        }
        const std::size_t close = line.find(mark, at + 1);
        if (close == std::string_view::npos) break;
        const std::string_view inner = line.substr(at + 1, close - at - 1);
        const std::string_view name = inner.substr(0, inner.find(':'));
        if (!name.empty() && name.find_first_of(" \t") == std::string_view::npos) {
            out.push_back({{index, at + 1, std::string(name)}, false});
            at = close + 1;
        } else {
            at = close; // the closing mark may open the next
        }
    }
}

// SET [/A|/P] ["]NAME=... and IF [NOT] DEFINED NAME.
void addNamings(std::vector<NameUse>& out, std::string_view line, std::size_t index) {
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (wordAt(line, at, "DEFINED")) {
            const std::size_t name = skipBlanks(line, at + 7);
            std::size_t end = name;
            while (end < line.size() && !isBlank(line[end]) && line[end] != '(') ++end;
            if (end > name) out.push_back({{index, name, std::string(line.substr(name, end - name))}, false});
            continue;
        }
        if (!wordAt(line, at, "SET")) continue;
        std::size_t name = skipBlanks(line, at + 3);
        const bool arithmetic = name + 2 < line.size() && line[name] == '/' && (line[name + 1] == 'a' || line[name + 1] == 'A');
        if (line.substr(name).size() > 2 && line[name] == '/' && isBlank(line[name + 2])) name = skipBlanks(line, name + 2);
        if (name < line.size() && line[name] == '"') ++name;
        const std::size_t end = line.find_first_of(arithmetic ? " \t=+-*/%&|^<>\"" : "=", name);
        if (end == std::string_view::npos || end == name) continue;
        const std::string_view found = line.substr(name, end - name);
        if (found.find_first_of(" \t%!") == std::string_view::npos) out.push_back({{index, name, std::string(found)}, true});
    }
}

std::vector<NameUse> variableUses(const std::vector<std::string>& lines) {
    std::vector<NameUse> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<NameUse> line;
        addReads(line, lines[i], i);
        addNamings(line, lines[i], i);
        std::sort(line.begin(), line.end(), [](const NameUse& a, const NameUse& b) { return a.place.column < b.place.column; });
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<NameUse> labelUses(const std::vector<std::string>& lines) {
    std::vector<NameUse> out;
    for (auto& def : labelDefinitions(lines)) out.push_back({std::move(def), true});
    for (auto& ref : labelReferences(lines)) out.push_back({std::move(ref), false});
    std::sort(out.begin(), out.end(), [](const NameUse& a, const NameUse& b) {
        return std::pair(a.place.line, a.place.column) < std::pair(b.place.line, b.place.column);
    });
    return out;
}

NamedThing allUses(NameKind kind, std::string name, const std::vector<NameUse>& uses) {
    NamedThing thing{kind, std::move(name), {}};
    for (const auto& use : uses)
        if (sameName(use.place.name, thing.name)) thing.uses.push_back(use);
    return thing;
}

} // namespace

std::optional<NamedThing> namedAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column) {
    if (const auto label = labelAt(lines, line, column)) return allUses(NameKind::Label, label->name, labelUses(lines));
    const auto uses = variableUses(lines);
    for (const auto& use : uses)
        if (use.place.line == line && column >= use.place.column && column <= use.place.column + use.place.name.size())
            return allUses(NameKind::Variable, use.place.name, uses);
    return std::nullopt;
}

std::string unusableName(NameKind kind, std::string_view name) {
    if (name.empty()) return "the new name is empty";
    if (!core::text::isValidUtf8(name)) return "the new name is not valid UTF-8";
    const std::string_view forbidden = kind == NameKind::Label ? " \t:&|<>;=,+()\"^%!" : " \t=&|<>()\"^%!";
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || forbidden.find(c) != std::string_view::npos)
            return std::string(kind == NameKind::Label ? "a label" : "a variable name") + " cannot hold '" +
                   (c == '\t' ? std::string("tab") : std::string(1, c)) + "'";
    }
    if (kind == NameKind::Variable && ((name[0] >= '0' && name[0] <= '9') || name[0] == '~' || name[0] == '*'))
        return "a variable name cannot start with '" + std::string(1, name[0]) + "': cmd reads it as an argument";
    return {};
}

} // namespace cli::lsp
