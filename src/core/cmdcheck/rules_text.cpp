// Rules of the text of one command or one line: SET /P and SET /A details,
// a lone '%' in ECHO text, the syntax of %~ and %NAME:~ expansions, and a
// continuation caret followed by blanks.
#include "core/cmdcheck/rules.h"

namespace core::cmdcheck {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The modifiers %~ takes before an argument's digit or a FOR variable.
bool pathModifier(char c) { return std::string_view("fdpnxsatzFDPNXSATZ").find(c) != std::string_view::npos; }

// "-4", "0,2", "-3,-1": the numbers of %NAME:~start,length%.
bool substringNumbers(std::string_view range) {
    std::size_t pos = 0;
    for (int part = 0; part < 2; ++part) {
        if (pos < range.size() && range[pos] == '-') ++pos;
        const std::size_t digits = pos;
        while (pos < range.size() && isDigit(range[pos])) ++pos;
        // The start may be left out: %NAME:~,4%.
        if (pos == digits && !(part == 0 && digits == 0 && pos < range.size() && range[pos] == ',')) return false;
        if (pos == range.size()) return true;
        if (range[pos] != ',' || part == 1) return false;
        ++pos;
    }
    return false;
}

} // namespace

// SET /P "Prompt: " asks for nothing: the variable and its '=' are missing.
void promptWithoutVariable(const CommandView& command, Drafts& out) {
    if (command.args.empty() || text::toUpper(command.textOf(command.args[0])) != "/P") return;
    if (command.args.size() < 2) return;
    const std::size_t begin = command.args[1].begin;
    const std::size_t end = command.args.back().end;
    const std::string_view rest = command.text.substr(begin, end - begin);
    if (rest.find('=') != std::string_view::npos || rest.find('%') != std::string_view::npos) return;
    out.push_back({Code::PromptWithoutVariable, begin, end - begin, std::string(rest), {}});
}

// SET /A x=5^2 outside quotes: the caret escapes the 2 and x becomes 52.
void arithmeticCaret(const CommandView& command, Drafts& out) {
    if (command.args.empty() || !text::toUpper(command.textOf(command.args[0])).starts_with("/A")) return;
    bool quoted = false;
    for (std::size_t i = command.args[0].begin + 2; i < command.args.back().end; ++i) {
        const char c = command.text[i];
        if (c == '"') quoted = !quoted;
        if (c != '^' || quoted) continue;
        if (i + 1 < command.text.size() && std::string_view("^&|<>").find(command.text[i + 1]) != std::string_view::npos) {
            ++i;
            continue;
        }
        out.push_back({Code::ArithmeticCaret, i, 1, {}, {}});
        return;
    }
}

// ECHO 50%: a '%' that starts no expansion is dropped in a batch file.
void lonePercent(const CommandView& command, Drafts& out) {
    if (command.key != "ECHO" || command.args.empty()) return;
    const std::size_t end = command.args.back().end;
    for (std::size_t i = command.word.end; i < end; ++i) {
        if (command.text[i] != '%') continue;
        Expansion kind = Expansion::Literal;
        const std::size_t after = expansionEnd(command.text, i, kind);
        const char next = i + 1 < command.text.size() ? command.text[i + 1] : ' ';
        if (kind == Expansion::Literal && after == i + 1 && next != '~') {
            out.push_back({Code::EchoLonePercent, i, 1, {}, {}});
            return;
        }
        i = after - 1;
    }
}

void expansionSyntax(std::string_view text, std::size_t pos, Drafts& out) {
    const auto bad = [&](std::size_t end, std::string_view why) {
        out.push_back({Code::ExpansionSyntax, pos, end - pos, std::string(text.substr(pos, end - pos)), std::string(why)});
    };
    if (pos + 2 >= text.size()) return;
    if (text[pos + 1] == '~') {
        std::size_t end = pos + 2;
        while (end < text.size() && isLetter(text[end])) ++end;
        if (end < text.size() && text[end] == '$') {
            // %~$PATH:1 needs the colon before the digit.
            std::size_t name = end + 1;
            while (name < text.size() && (isLetter(text[name]) || text[name] == '_')) ++name;
            if (name < text.size() && isDigit(text[name]) && name > end + 1)
                return bad(name + 1, "a ':' must stand between the variable name and the digit, as in %~$PATH:1.");
            return;
        }
        if (end < text.size() && isDigit(text[end])) {
            for (std::size_t i = pos + 2; i < end; ++i)
                if (!pathModifier(text[i])) return bad(end + 1, "the modifiers after %~ are f, d, p, n, x, s, a, t and z.");
            return;
        }
        if (end > pos + 3 && end < text.size() && text[end] == '%')
            return bad(end + 1, "modifiers after %~ apply to arguments (%~n1) and FOR variables (%%~nA) only.");
        return;
    }
    Expansion kind = Expansion::Literal;
    const std::size_t end = expansionEnd(text, pos, kind);
    if (kind != Expansion::Variable) return;
    const std::string_view inner = text.substr(pos + 1, end - pos - 2);
    const std::size_t colon = inner.find(":~");
    if (colon == std::string_view::npos || colon == 0) return;
    if (!substringNumbers(inner.substr(colon + 2)))
        bad(end, "the start and length after :~ must be numbers, as in %NAME:~0,4%.");
}

// "echo one ^ ": the caret escapes the blank after it and the line ends there.
void caretBeforeBlanks(std::string_view text, std::size_t lineStart, Drafts& out) {
    const std::size_t last = text.find_last_not_of(" \t");
    if (last == std::string_view::npos || last + 1 == text.size() || text[last] != '^' || last < lineStart) return;
    bool quoted = false;
    for (std::size_t i = lineStart; i < last; ++i) {
        if (text[i] == '"') quoted = !quoted;
        else if (text[i] == '^' && !quoted) ++i;
        if (i == last) return; // the caret itself is escaped
    }
    if (!quoted) out.push_back({Code::CaretBeforeBlank, last, text.size() - last, {}, {}});
}

} // namespace core::cmdcheck
