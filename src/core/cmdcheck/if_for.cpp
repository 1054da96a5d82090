// The heads of IF and FOR: everything up to the command they run.
#include "core/cmdcheck/walk.h"

#include <algorithm>
#include <array>
#include <charconv>

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
        const Word word = readWord(pos, true);
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
    if (upper == "NOT") upper = text::toUpper(wordText(token = next()));
    if (token.empty()) return fail(ifBegin, 2, "the condition is missing.");
    if (upper == "ERRORLEVEL" || upper == "CMDEXTVERSION" || upper == "EXIST" || upper == "DEFINED") {
        colour(token.begin, token.end - token.begin, ports::ColourRole::Command);
        // "=", "," and ";" separate words here as blanks do: IF ERRORLEVEL==3 is IF ERRORLEVEL 3.
        while (pos < m_text.size() && (m_text[pos] == '=' || m_text[pos] == ',' || m_text[pos] == ';')) ++pos;
        const Word value = next();
        if (value.empty()) return fail(token.begin, token.end - token.begin, upper + " needs a value after it.");
        if (upper == "DEFINED") m_mayBeEmpty.insert(text::toUpper(wordText(value)));
    } else {
        pos = skipBlanks(pos);
        if (m_text.substr(pos, 2) == "==") {
            pos += 2;
            while (pos < m_text.size() && m_text[pos] == '=') ++pos;
        } else if (pos < m_text.size() && m_text[pos] == '=') {
            return fail(pos, 1, "a comparison needs '==' rather than '='.");
        } else {
            const Word op = next();
            if (!oneOf(text::toUpper(wordText(op)), COMPARISONS))
                return fail(token.begin, token.end - token.begin,
                            "there is no comparison operator (== EQU NEQ LSS LEQ GTR GEQ) after the first value.");
        }
        const Word right = next();
        if (right.empty()) return fail(token.begin, pos - token.begin, "the value after the comparison is missing.");
        emptyOperand(token);
        emptyOperand(right);
        comparedWithEmpty(token, right);
    }
    pos = skipBlanks(pos);
    if (pos >= m_text.size()) return fail(ifBegin, 2, "there is no command after the condition.");
    m_conditional = true;
    return pos;
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
        }
        if (name.empty()) name = m_text.substr(pos, end - pos);
        pos = end;
    }
    m_emptyCandidate = std::move(variable);
    report({Code::IfEmptyOperand, operand.begin, operand.end - operand.begin, std::string(name), {}});
    m_emptyCandidate.clear();
}

// IF "%NAME%"=="" shows that the author expects NAME to be empty at times.
void Walk::comparedWithEmpty(const Word& left, const Word& right) {
    const std::string_view a = wordText(left);
    const std::string_view b = wordText(right);
    const std::string_view value = a == "\"\"" ? b : b == "\"\"" ? a : std::string_view();
    if (value.size() < 4 || value.front() != '"' || value[1] != '%') return;
    const std::size_t close = value.find_first_of("%:", 2);
    if (close != std::string_view::npos) m_mayBeEmpty.insert(text::toUpper(value.substr(2, close - 2)));
}

std::size_t Walk::parseFor(std::size_t forBegin, std::size_t pos) {
    m_conditional = true;
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
    if (m_text[pos + 1] != '%') {
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
            if (key == "SKIP=" ? value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos
                               : !validTokens(value))
                return bad();
            pos = end;
        }
    }
}

} // namespace core::cmdcheck
