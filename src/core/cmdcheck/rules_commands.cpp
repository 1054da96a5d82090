// Rules of one command's words: short misspellings, quoting of paths,
// network paths for CD, commands today's Windows no longer has, CALL of a
// label without its colon.
#include "core/cmdcheck/command_tables.h"
#include "core/cmdcheck/rules.h"

#include <array>

namespace core::cmdcheck {
namespace {

// Typographic quotation marks in Windows-1252: left single and double (0x91,
// 0x93), and their right ones one byte further.
bool leftQuote(char c) { return c == '\x91' || c == '\x93'; }

// Where the typographic quotation opened at `left` closes, or npos: a plain
// text between (other code pages use these bytes inside their letters) and a
// word boundary on each side.
std::size_t typographicQuoteEnd(std::string_view text, std::size_t left) {
    if (left > 0 && !isBlank(text[left - 1]) && text[left - 1] != '=') return std::string_view::npos;
    const char right = static_cast<char>(text[left] + 1);
    for (std::size_t i = left + 1; i < text.size(); ++i) {
        if (text[i] == right) return i + 1 == text.size() || isBlank(text[i + 1]) ? i + 1 : std::string_view::npos;
        if (static_cast<unsigned char>(text[i]) >= 0x80) return std::string_view::npos;
    }
    return std::string_view::npos;
}

// Commands that take paths, where single quotes quote nothing.
constexpr std::array<std::string_view, 15> PATH_COMMANDS = {"COPY", "MOVE",  "DEL",  "ERASE", "CD",
                                                            "CHDIR", "PUSHD", "TYPE", "REN",   "RENAME",
                                                            "MD",   "MKDIR", "RD",   "RMDIR", "DIR"};

bool oneOf(std::string_view word, auto table) {
    for (const auto entry : table)
        if (word == entry) return true;
    return false;
}

std::string_view trimmedLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// "NAME=" or "\"NAME=": what SET takes.
bool assignmentShape(std::string_view rest) {
    if (!rest.empty() && rest.front() == '"') rest.remove_prefix(1);
    std::size_t end = 0;
    while (end < rest.size() && (isLetterOrDigit(rest[end]) || rest[end] == '_' || rest[end] == '%')) ++end;
    return end > 0 && end < rest.size() && rest[end] == '=';
}

// A comparison IF takes: "a"=="b", a EQU b, EXIST x, DEFINED x, NOT ...
bool conditionShape(std::string_view rest) {
    const std::string upper = text::toUpper(rest.substr(0, 12));
    for (const std::string_view head : {"NOT ", "EXIST ", "DEFINED ", "ERRORLEVEL ", "/I "})
        if (upper.starts_with(head)) return true;
    const std::size_t end = rest.find_first_of(" \t");
    return rest.substr(0, end).find("==") != std::string_view::npos;
}

} // namespace

bool oneSlipFrom(std::string_view upper, std::string_view known) {
    return upper != known && upper.front() == known.front() && editDistance(upper, known, 1) <= 1;
}

void shortMisspelling(const CommandView& command, Drafts& out) {
    const std::string_view key = command.key;
    if (key.size() < 2 || key.size() > 4 || command.word.end != command.word.begin + key.size() ||
        isKnownProgram(key) || key == "SED" || key == "SEQ")
        return;
    for (char c : key)
        if (!isLetter(c)) return;
    const std::string_view rest = trimmedLeft(command.text.substr(command.word.end));
    std::string_view meant;
    if (oneSlipFrom(key, "SET") && assignmentShape(rest)) meant = "SET";
    else if (oneSlipFrom(key, "ECHO") && !rest.empty()) meant = "ECHO";
    else if (oneSlipFrom(key, "IF") && conditionShape(rest)) meant = "IF";
    if (meant.empty()) return;
    out.push_back({Code::NearMissCommand, command.word.begin, key.size(), std::string(command.textOf(command.word)),
                   std::string(meant)});
}

// "\"%~dp0tool.exe --run %*": the quotation mark is never closed, so the
// arguments become part of the program's name.
void unclosedProgramQuote(const CommandView& command, Drafts& out) {
    const std::string_view word = command.textOf(command.word);
    if (word.size() < 2 || word.front() != '"' || command.word.end != command.text.size() || word.back() == '"') return;
    const std::size_t blank = word.find_first_of(" \t");
    if (blank == std::string_view::npos || blank == 1) return;
    out.push_back({Code::UnclosedProgramQuote, command.word.begin, blank, std::string(word.substr(0, blank)), {}});
}

// CD \\server\share: cmd cannot make a network path current; PUSHD maps a drive for it.
void cdToNetworkPath(const CommandView& command, Drafts& out) {
    if ((command.key != "CD" && command.key != "CHDIR") || command.args.empty()) return;
    std::size_t path = 0;
    if (text::toUpper(command.textOf(command.args[0])) == "/D") path = 1;
    if (path >= command.args.size()) return;
    std::string_view target = command.textOf(command.args[path]);
    if (!target.empty() && target.front() == '"') target.remove_prefix(1);
    if (!target.starts_with("\\\\")) return;
    std::size_t end = command.word.end;
    if (path == 1) end = command.args[0].end;
    out.push_back({Code::CdNetworkPath, command.word.begin, end - command.word.begin, std::string(command.textOf(command.args[path])),
                   {}});
}

void wrongQuotes(const CommandView& command, Drafts& out) {
    const bool text = command.key == "ECHO" || command.key == "TITLE" || command.key == "REM";
    for (std::size_t i = command.word.begin; !text && i < command.text.size(); ++i) {
        if (!leftQuote(command.text[i])) continue;
        const std::size_t end = typographicQuoteEnd(command.text, i);
        if (end == std::string_view::npos) continue;
        const std::string_view quoted = command.text.substr(i, end - i);
        out.push_back({Code::WrongQuotes, i, quoted.size(), std::string(quoted),
                       "\"" + std::string(quoted.substr(1, quoted.size() - 2)) + "\""});
        i = end - 1;
    }
    if (!oneOf(command.key, PATH_COMMANDS)) return;
    // 'b c.txt': single quotes split into two words, the first starting with one.
    for (std::size_t i = 0; i + 1 < command.args.size(); ++i) {
        const std::string_view first = command.textOf(command.args[i]);
        if (first.size() < 2 || first.front() != '\'' || first.back() == '\'') continue;
        for (std::size_t j = i + 1; j < command.args.size(); ++j) {
            if (command.textOf(command.args[j]).back() != '\'') continue;
            const std::size_t begin = command.args[i].begin;
            const std::size_t end = command.args[j].end;
            const std::string_view quoted = command.text.substr(begin, end - begin);
            out.push_back({Code::WrongQuotes, begin, end - begin, std::string(quoted),
                           "\"" + std::string(quoted.substr(1, quoted.size() - 2)) + "\""});
            return;
        }
    }
}

void removedCommand(const CommandView& command, Drafts& out) {
    const auto report = [&](std::size_t begin, std::size_t end, std::string_view instead) {
        out.push_back({Code::RemovedCommand, begin, end - begin, std::string(command.text.substr(begin, end - begin)),
                       std::string(instead)});
    };
    const auto argUpper = [&](std::size_t i) { return text::toUpper(command.textOf(command.args[i])); };
    const std::string_view key = command.key;
    if (command.word.end != command.word.begin + key.size()) return;
    if (key == "DELTREE") {
        const bool yes = !command.args.empty() && argUpper(0) == "/Y";
        return report(command.word.begin, yes ? command.args[0].end : command.word.end, "RD /S /Q");
    }
    if (key == "DISKCOMP") return report(command.word.begin, command.word.end, "FC /B");
    if (key == "APPEND") return report(command.word.begin, command.word.end, "PATH, or the full path of the file");
    if (key == "NET" && !command.args.empty() && argUpper(0) == "SEND")
        return report(command.word.begin, command.args[0].end, "MSG");
    for (std::size_t i = 0; i < command.args.size(); ++i) {
        const std::string upper = argUpper(i);
        if (key == "CHOICE" && upper.starts_with("/T:") && upper.size() > 5 && upper[4] == ',')
            return report(command.args[i].begin, command.args[i].end,
                          "/T " + upper.substr(5) + " /D " + upper.substr(3, 1));
        if (key == "SHUTDOWN" && upper == "/Y") return report(command.args[i].begin, command.args[i].end, "nothing (remove /Y)");
        if (key == "START" && upper == "/M") return report(command.args[i].begin, command.args[i].end, "/MIN");
    }
}

// CALL sub runs a program named sub; the file's label :sub needs CALL :sub.
void callWithoutColon(const CommandView& command, bool labelExists, Drafts& out) {
    if (!labelExists || command.args.empty()) return;
    const Word& target = command.args.front();
    const std::string_view name = command.textOf(target);
    if (target.quoted || target.expansion || name.find_first_of(".\\/:") != std::string_view::npos) return;
    const std::string upper = text::toUpper(name);
    if (isInternalCommand(upper) || isKnownProgram(upper)) return;
    out.push_back({Code::CallWithoutColon, target.begin, name.size(), std::string(name), {}});
}

} // namespace core::cmdcheck
