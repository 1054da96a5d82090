// SET in its three forms, the SET /A expression language, and the variables
// a statement sets and reads.
#include "core/cmdcheck/walk.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace core::cmdcheck {
namespace {

bool isNameChar(char c) {
    return isLetterOrDigit(c) || static_cast<unsigned char>(c) >= 0x80 || c == '_' || c == '.' || c == '$' || c == '#' || c == '@' ||
           c == '[' || c == ']' || c == '?';
}

// After "%%": a FOR variable (%%i, %%~zi) rather than the remainder operator.
bool forVariableAt(std::string_view e, std::size_t pos) {
    return pos < e.size() && (isLetter(e[pos]) || e[pos] == '~');
}

// The longest operator of SET /A at `pos` (assignments included), or 0.
std::size_t operatorLength(std::string_view e, std::size_t pos) {
    for (const std::string_view op : {"<<=", ">>=", "<<", ">>", "+=", "-=", "*=", "/=", "%=", "&=", "^=", "|="})
        if (e.substr(pos, op.size()) == op) return op.size();
    return std::string_view("+-*/%&|^=,").find(e[pos]) != std::string_view::npos ? 1 : 0;
}

bool validNumber(std::string_view n) {
    if (n.size() > 2 && n[0] == '0' && (n[1] == 'x' || n[1] == 'X'))
        return n.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string_view::npos;
    if (n.size() > 1 && n[0] == '0') return n.find_first_not_of("01234567") == std::string_view::npos;
    return n.find_first_not_of("0123456789") == std::string_view::npos;
}

// What is wrong with a SET /A expression, or nothing. Expansions count as
// operands whatever they hold.
std::optional<std::string> arithmeticFault(std::string_view e) {
    bool expectOperand = true;
    bool afterOperator = false; //!< a one-character operator just ended, '=' may still follow
    bool any = false;
    int depth = 0;
    std::size_t pos = 0;
    while (pos < e.size()) {
        const char c = e[pos];
        if (isBlank(c)) {
            ++pos;
            continue;
        }
        if (c == '%' && !(pos + 1 < e.size() && e[pos + 1] == '%')) {
            // A lone '%' is dropped from a batch file's line: "%ID+1" reads "ID+1".
            Expansion kind = Expansion::Literal;
            if (expansionEnd(e, pos, kind) == pos + 1 && kind == Expansion::Literal) {
                ++pos;
                continue;
            }
        }
        const bool percentOperand = c == '%' && !(pos + 1 < e.size() && e[pos + 1] == '%' && !forVariableAt(e, pos + 2));
        const bool bangOperand = c == '!' && pos + 1 < e.size() && (isNameChar(e[pos + 1]) || e[pos + 1] == '%') &&
                                 e.find('!', pos + 1) != std::string_view::npos;
        if (isNameChar(c) || percentOperand || bangOperand) {
            if (!expectOperand) return "an operator is missing between two values.";
            const std::size_t begin = pos;
            bool expanded = false;
            while (pos < e.size()) {
                if (isNameChar(e[pos])) ++pos;
                else if (e[pos] == '%' && (pos + 1 >= e.size() || e[pos + 1] != '%' || forVariableAt(e, pos + 2))) {
                    Expansion kind = Expansion::Literal;
                    const std::size_t end = expansionEnd(e, pos, kind);
                    if (kind == Expansion::Literal) break;
                    pos = end;
                    expanded = true;
                } else if (e[pos] == '!' && pos + 1 < e.size() && (isNameChar(e[pos + 1]) || e[pos + 1] == '%')) {
                    const std::size_t close = e.find('!', pos + 1);
                    if (close == std::string_view::npos) break;
                    pos = close + 1;
                    expanded = true;
                } else break;
            }
            const std::string_view operand = e.substr(begin, pos - begin);
            if (!expanded && std::isdigit(static_cast<unsigned char>(operand[0])) && !validNumber(operand))
                return "\"" + std::string(operand) + "\" is not a valid number (numbers are decimal, 0x hexadecimal or 0 octal).";
            if (pos == begin) ++pos;
            expectOperand = false;
            any = true;
            continue;
        }
        if (c == '(') {
            if (!expectOperand) return "an operator is missing before '('.";
            ++depth;
            ++pos;
            continue;
        }
        if (c == ')') {
            if (expectOperand || --depth < 0) return "a ')' has no matching '(' or follows an operator.";
            ++pos;
            continue;
        }
        if (expectOperand && (c == '-' || c == '+' || c == '!' || c == '~')) {
            ++pos;
            continue;
        }
        // "%%" is the remainder operator in a batch file.
        const std::size_t length = c == '%' && pos + 1 < e.size() && e[pos + 1] == '%' ? 2 : operatorLength(e, pos);
        if (length == 0) return "the character '" + std::string(1, c) + "' is not allowed here.";
        if (expectOperand && c == '=' && afterOperator) {
            // "x + = 6": blanks may stand inside an assignment operator.
            afterOperator = false;
            ++pos;
            continue;
        }
        if (expectOperand) return "an operator has no value before it.";
        afterOperator = length == 1 && c != '=';
        expectOperand = true;
        pos += length + (length == 2 && e[pos] == '%' && pos + 2 < e.size() && e[pos + 2] == '=' ? 1 : 0);
    }
    if (!any) return "there is no expression.";
    if (expectOperand) return "the expression ends with an operator.";
    if (depth != 0) return "a '(' is never closed.";
    return std::nullopt;
}

} // namespace

void Walk::setRules() {
    if (m_args.empty()) return;
    const std::size_t end = m_args.back().end;
    std::size_t begin = m_args.front().begin;
    const std::string first = text::toUpper(wordText(m_args.front()).substr(0, 2));
    if (first == "/A") return arithmetic(std::min(skipBlanks(begin + 2), end), end);
    if (first == "/P") begin = skipBlanks(begin + 2);
    std::string_view region = m_text.substr(begin, end - begin);
    std::size_t nameBegin = begin;
    if (!region.empty() && region.front() == '"') {
        const std::size_t close = region.rfind('"');
        region = region.substr(1, close == 0 ? std::string_view::npos : close - 1);
        ++nameBegin;
    }
    const std::size_t equals = region.find('=');
    if (equals == std::string_view::npos || equals == 0) return;
    std::string_view name = region.substr(0, equals);
    const std::size_t trimmed = name.find_last_not_of(" \t");
    if (trimmed == std::string_view::npos) return;
    const bool hasValue = equals + 1 < region.size();
    if (trimmed + 1 < name.size()) {
        report({Code::SetBlankName, nameBegin, name.size(), std::string(name.substr(0, trimmed + 1)), {}});
        return;
    }
    variableSet(name);
    if (hasValue && atTopLevel() && !m_conditional) m_surelySet.insert(text::toUpper(name));
}

void Walk::arithmetic(std::size_t begin, std::size_t end) {
    std::string expression;
    expression.reserve(end - begin);
    bool quoted = false;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = m_text[i];
        if (c == '"') quoted = !quoted;
        else if (c == '^' && !quoted && i + 1 < end) expression += m_text[++i];
        else expression += c;
    }
    if (const auto fault = arithmeticFault(expression)) {
        report({Code::SetArithmetic, begin, end - begin, *fault, {}});
        return;
    }
    // Each assignment's target: a name directly before '=' or 'op='.
    std::size_t pos = 0;
    while (pos < expression.size()) {
        std::size_t nameEnd = pos;
        while (nameEnd < expression.size() && isNameChar(expression[nameEnd])) ++nameEnd;
        if (nameEnd > pos) {
            std::size_t after = nameEnd;
            while (after < expression.size() && isBlank(expression[after])) ++after;
            const std::size_t op = after < expression.size() ? operatorLength(expression, after) : 0;
            if (op > 0 && expression[after + op - 1] == '=' && !std::isdigit(static_cast<unsigned char>(expression[pos]))) {
                const std::string_view name = std::string_view(expression).substr(pos, nameEnd - pos);
                variableSet(name);
                if (atTopLevel() && !m_conditional) m_surelySet.insert(text::toUpper(name));
            }
            pos = nameEnd;
        } else {
            ++pos;
        }
    }
}

void Walk::variableSet(std::string_view name) {
    std::string upper = text::toUpper(name);
    if (m_listed.insert(upper).second) m_lists.variables.emplace_back(name);
    m_setInStatement.emplace(std::move(upper), m_commandIndex);
}

// %NAME% is replaced when the whole statement (a line, or a block with all
// its lines) is read: a SET earlier in the same statement is not seen yet.
void Walk::variableRead(std::string_view name, std::size_t offset, std::size_t length) {
    // "ENDLOCAL & SET X=%X%" reads the value from before on purpose, to pass it out.
    if (m_afterEndlocal || m_endlocalStatement) return;
    if (m_outsideBlocks > 0) return outsideRead(name, offset, length);
    if (m_setInStatement.empty()) return;
    std::string upper = text::toUpper(name);
    const auto set = m_setInStatement.find(upper);
    if (set == m_setInStatement.end() || set->second >= m_commandIndex) return;
    if (m_staleReported.insert(std::move(upper)).second)
        report({Code::StaleRead, offset, length, std::string(name), {}});
}

// "ENDLOCAL & (...)" at the top level passes values out of SETLOCAL with the
// whole statement, its blocks included. (A walk started inside blocks joins
// the walk before only if it stays inside them: it never meets such an
// ENDLOCAL, and the walk before decides its reads.)
void Walk::endlocalSeen() {
    m_afterEndlocal = true;
    if (atTopLevel()) m_endlocalStatement = true;
}

// In a walk started inside blocks the statement began before the walk: a
// read is stale when this walk set the variable before it, or when the walk
// before did (decided on joining them). After one stale read of a variable
// here, later reads of it are never reported.
void Walk::outsideRead(std::string_view name, std::size_t offset, std::size_t length) {
    std::string upper = text::toUpper(name);
    if (m_settledStale.contains(upper)) return;
    const auto set = m_setInStatement.find(upper);
    OutsideEvent event;
    event.staleHere = set != m_setInStatement.end() && set->second < m_commandIndex;
    if (!silenced(Code::StaleRead)) {
        event.position = m_findings.size();
        event.draft = place({Code::StaleRead, offset, length, std::string(name), {}});
    }
    if (event.staleHere) m_settledStale.insert(upper);
    event.variable = std::move(upper);
    m_outsideEvents.push_back(std::move(event));
}

// ELSE after a block opened before the walk: every SET of this walk came
// after that block's first command, and so do some of the walk before.
void Walk::elseAfterOutsideBlock() {
    m_setInStatement.clear();
    OutsideEvent event;
    event.elseBranch = true;
    event.closed = m_outsideClosed;
    m_outsideEvents.push_back(std::move(event));
}

} // namespace core::cmdcheck
