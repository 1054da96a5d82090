// Fixes that put a word right: a misspelt command or switch, a jump to a
// label that is not there, a command today's Windows no longer has.
#include "core/fixes/line_reading.h"
#include "core/fixes/makers.h"
#include "core/text/codepage.h"

#include <algorithm>

namespace core::fixes {
namespace {

// The word a message offers: "... Did you mean ECHO? ...".
std::string_view offeredWord(std::string_view message) {
    constexpr std::string_view ASK = "Did you mean ";
    const std::size_t at = message.find(ASK);
    if (at == std::string_view::npos) return {};
    const std::size_t begin = at + ASK.size();
    const std::size_t end = message.find('?', begin);
    if (end == std::string_view::npos) return {};
    const std::string_view word = message.substr(begin, end - begin);
    const bool plain = std::all_of(word.begin(), word.end(), [](char c) { return isLetter(c) || c == '/'; });
    return plain ? word : std::string_view();
}

bool switchOrWord(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return isLetter(c) || c == '/' || c == '\\' || c == '-'; });
}

// A label name as the checker sees it: up to the first ":+,;=".
std::string_view nameOf(std::string_view target) {
    return target.substr(0, target.find_first_of(":+,;="));
}

// A name made of the characters labels are written with; an expansion, a
// bracket or a quote means the name is not what it seems.
bool plainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return isWordChar(c) || static_cast<unsigned char>(c) >= 0x80 || c == '#' || c == '$' || c == '@';
    });
}

std::optional<Fix> jumpTo(const Site& site, std::size_t column, std::string_view name) {
    if (!plainName(name)) return std::nullopt;
    const auto best = nearestLabel(name, labelNames(site.lines));
    if (!best || best->find(text::MISSING_CHARACTER) != std::string::npos) return std::nullopt;
    const std::string label = text::toUtf8(*best);
    return made("Jump to :" + label, {site.replace(column, name.size(), label)});
}

// The first "GOTO" of a line that starts a command.
std::optional<std::size_t> gotoOf(std::string_view line) {
    for (std::size_t at = text::findIgnoreCase(line, "GOTO", 0); at != std::string_view::npos;
         at = text::findIgnoreCase(line, "GOTO", at + 1)) {
        const bool starts = at == 0 || std::string_view(" \t@(&").find(line[at - 1]) != std::string_view::npos;
        if (starts && at + 4 < line.size() && isBlank(line[at + 4])) return at;
    }
    return std::nullopt;
}

// The first switch word `name` (letter case ignored) from `from` on.
std::optional<std::size_t> switchAt(std::string_view line, std::size_t from, std::string_view name) {
    for (std::size_t at = skipBlanks(line, from); at < line.size(); at = skipBlanks(line, wordEnd(line, at)))
        if (text::equalsIgnoreCase(line.substr(at, wordEnd(line, at) - at), name)) return at;
    return std::nullopt;
}

// The switch word removed with the blanks after it, or before it at the line's end.
Edit dropSwitch(const Site& site, std::string_view line, std::size_t at) {
    const std::size_t after = skipBlanks(line, wordEnd(line, at));
    std::size_t from = at;
    if (after == line.size())
        while (from > 0 && isBlank(line[from - 1])) --from;
    return site.replace(from, after - from, {});
}

} // namespace

std::optional<Fix> suggestedWord(const Site& site) {
    const std::string_view word = offeredWord(site.finding.text);
    const std::string_view marked = site.marked();
    if (word.empty() || !switchOrWord(marked) || text::equalsIgnoreCase(marked, word)) return std::nullopt;
    const std::string written = inCaseOf(marked, word);
    return made("Change to " + written, {site.replace(site.column(), marked.size(), written)});
}

std::optional<Fix> nearestLabelCmd(const Site& site) {
    const std::string_view marked = site.marked();
    const std::size_t colon = marked.starts_with(':') ? 1 : 0;
    return jumpTo(site, site.column() + colon, nameOf(marked.substr(std::min(colon, marked.size()))));
}

std::optional<Fix> nearestLabelClassic(const Site& site) {
    const std::string_view line = site.text();
    const auto at = gotoOf(line);
    if (!at) return std::nullopt;
    std::size_t name = skipBlanks(line, *at + 4);
    if (name < line.size() && line[name] == ':') ++name;
    return jumpTo(site, name, nameOf(line.substr(name, wordEnd(line, name) - name)));
}

std::optional<Fix> callLabel(const Site& site) {
    const std::string_view marked = site.marked();
    if (marked.empty() || !std::all_of(marked.begin(), marked.end(), isWordChar) ||
        !commandBefore(site.text(), site.column(), "CALL"))
        return std::nullopt;
    const auto labels = labelNames(site.lines);
    const bool known = std::any_of(labels.begin(), labels.end(),
                                   [&](const std::string& label) { return text::equalsIgnoreCase(label, marked); });
    if (!known) return std::nullopt;
    return made("Call the label :" + text::toUtf8(marked), {site.insert(site.column(), ":")});
}

std::optional<Fix> removedCommand(const Site& site) {
    const std::string_view line = site.text();
    // A finding about the whole line is about its command word.
    const std::size_t at = site.finding.length == 0 ? line.find_first_not_of(" \t@") : site.column();
    if (at >= line.size()) return std::nullopt;
    const std::string_view word = line.substr(at, wordEnd(line, at) - at);
    const std::string upper = text::toUpper(word);
    Fix fix;
    if (upper == "DELTREE") {
        // DELTREE [/Y] folder: RD /S /Q asks nothing either way.
        for (std::size_t arg = skipBlanks(line, wordEnd(line, at)); arg < line.size(); arg = skipBlanks(line, wordEnd(line, arg))) {
            const std::string_view argument = line.substr(arg, wordEnd(line, arg) - arg);
            if (text::equalsIgnoreCase(argument, "/Y")) fix.edits.push_back(dropSwitch(site, line, arg));
            else if (argument.starts_with('/') || argument.find_first_of("&|<>") != std::string_view::npos) return std::nullopt;
        }
        const std::string rd = inCaseOf(word, "RD /S /Q");
        fix.title = "Change to " + rd;
        fix.edits.insert(fix.edits.begin(), site.replace(at, word.size(), rd));
    } else if (upper == "START" || upper == "/M") {
        const auto m = upper == "/M" ? std::optional<std::size_t>(at) : switchAt(line, wordEnd(line, at), "/M");
        if (!m) return std::nullopt;
        fix.title = "Change to /MIN";
        fix.edits.push_back(site.replace(*m, 2, inCaseOf(line.substr(*m, 2), "/MIN")));
    } else if (upper == "SHUTDOWN" || upper == "/Y") {
        const auto y = upper == "/Y" ? std::optional<std::size_t>(at) : switchAt(line, wordEnd(line, at), "/Y");
        if (!y || !switchAt(line, 0, "/L")) return std::nullopt;
        fix.title = "Remove /Y";
        fix.edits.push_back(dropSwitch(site, line, *y));
    } else {
        return std::nullopt;
    }
    return fix;
}

} // namespace core::fixes
