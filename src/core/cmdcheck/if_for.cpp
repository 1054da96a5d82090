// The heads of IF and FOR: everything up to the command they run.
#include "core/cmdcheck/walk.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdlib>

namespace core::cmdcheck {
namespace {

constexpr std::array<std::string_view, 6> COMPARISONS = {"EQU", "NEQ", "LSS", "LEQ", "GTR", "GEQ"};

// Variables the interpreter or Windows always provides.
constexpr std::array<std::string_view, 27> ALWAYS_SET = {
    "ALLUSERSPROFILE", "APPDATA",  "CD",           "CMDCMDLINE",   "CMDEXTVERSION", "COMPUTERNAME",
    "COMSPEC",         "DATE",     "ERRORLEVEL",   "HOMEDRIVE",    "HOMEPATH",      "LOCALAPPDATA",
    "NUMBER_OF_PROCESSORS", "OS",  "PATH",         "PATHEXT",      "PROCESSOR_ARCHITECTURE", "PROGRAMDATA",
    "PROGRAMFILES",    "RANDOM",   "SYSTEMDRIVE",  "SYSTEMROOT",   "TEMP",          "TIME",
    "TMP",             "USERNAME", "WINDIR"};

bool oneOf(std::string_view word, auto table) {
    for (const auto entry : table)
        if (word == entry) return true;
    return false;
}

// A count of lines to skip, as cmd reads numbers (0x hexadecimal, 0 octal): at least 1.
bool validSkip(std::string_view value) {
    if (value.empty()) return false;
    const std::string digits(value);
    char* end = nullptr;
    const long count = std::strtol(digits.c_str(), &end, 0);
    return end == digits.c_str() + digits.size() && count > 0 && std::isdigit(static_cast<unsigned char>(digits[0]));
}

bool validTokens(std::string_view tokens) {
    if (tokens.empty()) return false;
    std::size_t pos = 0;
    while (pos < tokens.size()) {
        if (tokens[pos] == '*') return pos + 1 == tokens.size();
        int first = 0;
        auto read = std::from_chars(tokens.data() + pos, tokens.data() + tokens.size(), first);
        if (read.ec != std::errc() || first < 1 || first > 31) return false;
        pos = static_cast<std::size_t>(read.ptr - tokens.data());
        if (pos < tokens.size() && tokens[pos] == '-') {
            int last = 0;
            read = std::from_chars(tokens.data() + pos + 1, tokens.data() + tokens.size(), last);
            if (read.ec != std::errc() || last < first || last > 31) return false;
            pos = static_cast<std::size_t>(read.ptr - tokens.data());
        }
        if (pos >= tokens.size()) return true;
        const char next = tokens[pos];
        if (next == '*') return pos + 1 == tokens.size();
        if (next != ',' || pos + 1 == tokens.size()) return false;
        ++pos;
    }
    return true;
}

// "%1", "%~1", "%~dp1": the argument as guards name it ("%1").
std::string argumentName(std::string_view reference) { return "%" + std::string(1, reference.back()); }

// The expansions one side of a comparison holds when, without them, it equals
// the other side (".%1.==..", "[%X%]==[]", "x%~1==x"): what the comparison
// tests for being empty, each named as guards name it.
std::vector<std::string> emptiedBy(std::string_view left, std::string_view right) {
    std::vector<std::string> names;
    for (int side = 0; side < 2 && names.empty(); ++side, std::swap(left, right)) {
        std::string rest;
        std::vector<std::string> found;
        for (std::size_t pos = 0; pos < left.size();) {
            Expansion kind = Expansion::Literal;
            const std::size_t end = left[pos] == '%' ? expansionEnd(left, pos, kind) : pos + 1;
            if (kind == Expansion::Argument) found.push_back(argumentName(left.substr(pos, end - pos)));
            else if (kind == Expansion::Variable) {
                const std::string_view inner = left.substr(pos + 1, end - pos - 2);
                found.push_back(text::toUpper(inner.substr(0, inner.find(':'))));
            } else rest.append(left.substr(pos, end - pos));
            pos = end;
        }
        if (!found.empty() && rest == right) names = std::move(found);
    }
    return names;
}

// Where a command word glued to the end of an IF value starts ("x'?'goto"), or npos.
std::size_t gluedCommand(std::string_view value) {
    const std::string upper = text::toUpper(value);
    for (const std::string_view command : {"GOTO", "CALL", "ECHO", "EXIT"}) {
        if (upper.size() <= command.size() || !upper.ends_with(command)) continue;
        const char before = upper[upper.size() - command.size() - 1];
        if (before == '\'' || before == '"' || before == ']' || before == ')' || before == '}') return upper.size() - command.size();
    }
    return std::string_view::npos;
}

// The keyword of FOR /F options starting at `pos`, or empty.
std::string_view optionKeyword(std::string_view upper, std::size_t pos) {
    for (const std::string_view key : {"EOL=", "SKIP=", "DELIMS=", "TOKENS=", "USEBACKQ"})
        if (upper.substr(pos, key.size()) == key) return key;
    return {};
}

} // namespace

std::size_t Walk::parseIf(std::size_t ifBegin, std::size_t pos) {
    const auto next = [&] {
        pos = skipBlanks(pos);
        const Word word = readWord(pos, IfToken::Yes);
        pos = word.end;
        return word;
    };
    const auto fail = [&](std::size_t at, std::size_t length, std::string_view why) {
        report({Code::IfSyntax, at, length, std::string(why), {}});
        return m_text.size();
    };
    Word token = next();
    std::string upper = text::toUpper(wordText(token));
    if (upper.find("/?") != std::string::npos) return m_text.size(); // IF /? shows the help
    if (upper == "/I") upper = text::toUpper(wordText(token = next()));
    const bool negated = upper == "NOT";
    if (negated) upper = text::toUpper(wordText(token = next()));
    std::vector<std::string> tested; // what the condition tests for being empty
    if (token.empty()) return fail(ifBegin, 2, "the condition is missing.");
    bool numeric = false;
    if (upper == "ERRORLEVEL" || upper == "CMDEXTVERSION" || upper == "EXIST" || upper == "DEFINED") {
        colour(token.begin, token.end - token.begin, ports::ColourRole::Command);
        // "=", "," and ";" separate words here as blanks do: IF ERRORLEVEL==3 is IF ERRORLEVEL 3.
        while (pos < m_text.size() && (m_text[pos] == '=' || m_text[pos] == ',' || m_text[pos] == ';')) ++pos;
        const Word value = next();
        if (value.empty()) return fail(token.begin, token.end - token.begin, upper + " needs a value after it.");
        if (upper == "DEFINED") m_mayBeEmpty.insert(text::toUpper(wordText(value)));
        if (upper == "DEFINED" && negated) tested.push_back(text::toUpper(wordText(value)));
        const std::size_t after = skipBlanks(pos);
        if (m_text.substr(after, 2) == "==")
            return fail(after, 2, upper + " takes one value and then the command: '==' is no part of it.");
    } else {
        pos = skipBlanks(pos);
        if (m_text.substr(pos, 2) == "==") {
            pos += 2;
            while (pos < m_text.size() && m_text[pos] == '=') ++pos;
        } else if (pos < m_text.size() && m_text[pos] == '=') {
            return fail(pos, 1, "a comparison needs '==' rather than '='.");
        } else {
            const Word op = next();
            if (!op.expansion && !oneOf(text::toUpper(wordText(op)), COMPARISONS))
                return fail(token.begin, token.end - token.begin,
                            "there is no comparison operator (== EQU NEQ LSS LEQ GTR GEQ) after the first value.");
            numeric = true;
        }
        const Word right = next();
        if (right.empty()) return fail(token.begin, pos - token.begin, "the value after the comparison is missing.");
        if (const std::size_t glued = gluedCommand(wordText(right)); glued != std::string_view::npos)
            return fail(right.begin + glued, right.end - right.begin - glued,
                        "there is no blank before the command, so it is taken as part of the value compared.");
        // Quoting a number comparison would make it a string comparison: no advice to quote there.
        if (!comparedWithEmpty(token, right) && !numeric) {
            emptyOperand(token);
            emptyOperand(right);
        }
        if (!negated) tested = emptiedBy(wordText(token), wordText(right));
    }
    pos = skipBlanks(pos);
    if (pos >= m_text.size()) return fail(ifBegin, 2, "there is no command after the condition.");
    if (!tested.empty() && atTopLevel()) guardedBy(tested, pos);
    m_conditional = true;
    return pos;
}

// IF "%~1"=="" GOTO usage, IF NOT DEFINED X SET X=0: past this line the value
// tested is not empty (until SHIFT, for an argument).
void Walk::guardedBy(const std::vector<std::string>& tested, std::size_t command) {
    std::size_t end = command;
    while (end < m_text.size() && isLetter(m_text[end])) ++end;
    const std::string word = text::toUpper(m_text.substr(command, end - command));
    if (word != "GOTO" && word != "EXIT" && word != "SET") return;
    for (const auto& name : tested) {
        if (word == "SET") {
            const std::string rest = text::toUpper(m_text.substr(skipBlanks(end), name.size() + 2));
            if (!(rest.starts_with(name + "=") || rest.starts_with("\"" + name + "="))) continue;
        }
        m_surelySet.insert(name);
    }
}

// An unquoted value made only of expansions vanishes when they are empty,
// and IF then sees a comparison with one side missing.
void Walk::emptyOperand(const Word& operand) {
    if (operand.quoted || !operand.expansion) return;
    std::string_view name;
    std::string variable;
    m_operandVariables.clear();
    for (std::size_t pos = operand.begin; pos < operand.end;) {
        if (m_text[pos] != '%') return;
        Expansion kind = Expansion::Literal;
        const std::size_t end = expansionEnd(m_text, pos, kind);
        if (kind == Expansion::Literal || kind == Expansion::ForVariable || end > operand.end) return;
        if (kind == Expansion::Variable) {
            const std::string_view inner = m_text.substr(pos + 1, end - pos - 2);
            const std::string upper = text::toUpper(inner.substr(0, inner.find(':')));
            if (oneOf(upper, ALWAYS_SET) || m_surelySet.contains(upper)) return;
            m_operandVariables.push_back(upper);
            variable = upper;
        } else {
            const std::string argument = argumentName(m_text.substr(pos, end - pos));
            if (m_surelySet.contains(argument)) return;
            m_operandVariables.push_back(argument);
        }
        if (name.empty()) name = m_text.substr(pos, end - pos);
        pos = end;
    }
    m_emptyCandidate = std::move(variable);
    report({Code::IfEmptyOperand, operand.begin, operand.end - operand.begin, std::string(name), {}});
    m_emptyCandidate.clear();
}

// IF "%NAME%"=="" shows that the author expects NAME to be empty at times.
// IF %NAME%=="" is never true: the quotation marks are compared too. Whether
// either side is "".
bool Walk::comparedWithEmpty(const Word& left, const Word& right) {
    const std::string_view a = wordText(left);
    const std::string_view b = wordText(right);
    if (a != "\"\"" && b != "\"\"") return false;
    const Word& other = a == "\"\"" ? right : left;
    // ^"%1^" holds quotation marks too, escaped.
    if (wordText(other).find('"') == std::string_view::npos) {
        report({Code::IfUnquotedEmpty, other.begin, other.end - other.begin, std::string(wordText(other)), {}});
        return true;
    }
    const std::string_view value = wordText(other);
    if (value.size() < 4 || value.front() != '"' || value[1] != '%') return true;
    const std::size_t close = value.find_first_of("%:", 2);
    if (close != std::string_view::npos) m_mayBeEmpty.insert(text::toUpper(value.substr(2, close - 2)));
    return true;
}

std::size_t Walk::parseFor(std::size_t forBegin, std::size_t pos) {
    m_conditional = true;
    m_forLine = true;
    const auto fail = [&](std::size_t at, std::size_t length, std::string_view why) {
        report({Code::ForSyntax, at, length, std::string(why), {}});
        return m_text.size();
    };
    bool options = false;
    bool root = false;
    for (pos = skipBlanks(pos); pos < m_text.size() && m_text[pos] == '/'; pos = skipBlanks(pos)) {
        const Word sw = readWord(pos);
        const std::string upper = text::toUpper(wordText(sw));
        if (upper != "/D" && upper != "/R" && upper != "/L" && upper != "/F")
            return fail(sw.begin, sw.end - sw.begin, "FOR knows only the switches /D, /R, /L and /F.");
        options = options || upper == "/F";
        root = root || upper == "/R";
        pos = sw.end;
    }
    const bool variableNext = pos + 1 < m_text.size() && m_text[pos] == '%' &&
                              (m_text[pos + 1] == '%' || pos + 2 >= m_text.size() || isBlank(m_text[pos + 2]));
    if ((options || root) && pos < m_text.size() && !variableNext) {
        const Word head = readWord(pos);
        if (options) forOptions(head);
        pos = skipBlanks(head.end);
    }
    if (pos + 1 >= m_text.size() || m_text[pos] != '%')
        return fail(forBegin, 3, "the variable (%%A) after FOR is missing.");
    Expansion kind = Expansion::Literal;
    const std::size_t built = expansionEnd(m_text, pos, kind);
    const std::string_view name = m_text.substr(pos, std::min(built, m_text.size()) - pos);
    if (kind == Expansion::Variable && built < m_text.size() && !isBlank(m_text[built]) &&
        name.find_first_of(" \t") == std::string_view::npos) {
        // "%@%N": the variable's '%' signs come from an expansion.
        pos = built + 1;
    } else if (m_text[pos + 1] != '%') {
        report({Code::ForPercent, pos, 2, std::string(m_text.substr(pos, 2)), {}});
        pos += 2;
    } else {
        const std::size_t end = std::min(pos + 3, m_text.size());
        colour(pos, end - pos, ports::ColourRole::Variable);
        pos = end;
    }
    pos = skipBlanks(pos);
    const Word in = readWord(pos);
    if (text::toUpper(wordText(in)) != "IN")
        return fail(forBegin, 3, "there does not seem to be an 'IN (...)' part of the statement.");
    colour(in.begin, 2, ports::ColourRole::Command);
    pos = skipBlanks(in.end);
    if (pos >= m_text.size() || m_text[pos] != '(')
        return fail(in.begin, 2, "the list after IN must be enclosed in brackets.");
    const std::size_t close = forSetEnd(pos + 1);
    if (close == std::string_view::npos) {
        m_pendingForSet = true;
        m_pendingFor = m_line.placeOf(forBegin);
        return m_text.size();
    }
    return forAfterSet(close + 1);
}

std::size_t Walk::forAfterSet(std::size_t pos) {
    pos = skipBlanks(pos);
    const Word word = readWord(pos);
    if (text::toUpper(wordText(word)) != "DO") {
        report({Code::ForSyntax, pos, word.end - pos, "there seems to be no 'DO <command>' part to the statement.", {}});
        return m_text.size();
    }
    colour(word.begin, 2, ports::ColourRole::Command);
    pos = skipBlanks(word.end);
    if (pos >= m_text.size())
        report({Code::ForSyntax, word.begin, 2, "there is no command after DO.", {}});
    return pos;
}

// The ')' that ends a FOR list, nested brackets and quoted text skipped, or npos.
std::size_t Walk::forSetEnd(std::size_t pos) const {
    int depth = 0;
    bool quoted = false;
    while (pos < m_text.size()) {
        const char c = m_text[pos];
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == '^') ++pos;
        else if (!quoted && c == '(') ++depth;
        else if (!quoted && c == ')' && depth-- == 0) return pos;
        else if (c == '%') {
            Expansion kind = Expansion::Literal;
            pos = expansionEnd(m_text, pos, kind);
            continue;
        }
        ++pos;
    }
    return std::string_view::npos;
}

// "eol=; skip=1 delims=, tokens=1,2* usebackq"; options built from
// expansions or escaped instead of quoted are taken as written.
void Walk::forOptions(const Word& options) {
    const std::string_view text = wordText(options);
    if (options.expansion || text.size() < 2 || text.front() != '"' || text.back() != '"') return;
    const std::string upper = text::toUpper(text.substr(1, text.size() - 2));
    const auto bad = [&] { report({Code::ForOptions, options.begin, text.size(), std::string(text.substr(1, text.size() - 2)), {}}); };
    std::size_t pos = 0;
    while (pos < upper.size()) {
        if (isBlank(upper[pos])) {
            ++pos;
            continue;
        }
        const std::string_view key = optionKeyword(upper, pos);
        if (key.empty()) return bad();
        pos += key.size();
        if (key == "EOL=") {
            ++pos;
        } else if (key == "DELIMS=") {
            std::size_t end = pos;
            while (end < upper.size() && !(upper[end] == ' ' && !optionKeyword(upper, end + 1).empty())) ++end;
            pos = end;
        } else if (key != "USEBACKQ") {
            const std::size_t end = std::min(upper.find(' ', pos), upper.size());
            const std::string_view value = std::string_view(upper).substr(pos, end - pos);
            if (key == "SKIP=" ? !validSkip(value) : !validTokens(value)) return bad();
            pos = end;
        }
    }
}

} // namespace core::cmdcheck
