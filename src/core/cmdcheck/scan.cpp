// The parse of a logical line: commands separated by & && || |, blocks,
// redirections anywhere in a command, words with quotes, escapes and
// expansions.
#include "core/cmdcheck/command_tables.h"
#include "core/cmdcheck/rules.h"
#include "core/cmdcheck/walk.h"
#include "core/text/byte_words.h"

#include <algorithm>
#include <array>
#include <bit>

namespace core::cmdcheck {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Modifiers of %~ and %%~ references: letters, then optionally $VAR: .
std::size_t skipModifiers(std::string_view t, std::size_t pos) {
    while (pos < t.size() && isLetter(t[pos])) ++pos;
    if (pos < t.size() && t[pos] == '$') {
        const std::size_t colon = t.find(':', pos);
        if (colon != std::string_view::npos) pos = colon + 1;
    }
    return pos;
}

bool plausibleName(std::string_view name) {
    const std::size_t colon = name.find(':');
    const std::string_view head = name.substr(0, colon);
    if (head.empty() || isDigit(head[0])) return false;
    for (char c : head)
        if (!(isLetterOrDigit(c) || c == '_' || c == '.' || c == '-' || c == '#' || c == '$'))
            return false;
    return true;
}

// Whether a character outside quotes only lengthens the word being read.
bool plainInWord(char c) {
    static constexpr auto PLAIN = [] {
        std::array<bool, 256> plain{};
        plain.fill(true);
        for (const char special : std::string_view("\" \t&|<>()=,;^%!")) plain[static_cast<unsigned char>(special)] = false;
        return plain;
    }();
    return PLAIN[static_cast<unsigned char>(c)];
}

// Where the run of plain characters starting at `pos` ends. Eight bytes at a
// time: every special character is below '?' but '^' and '|', so only bytes
// like those are looked at one by one.
std::size_t plainRunEnd(std::string_view text, std::size_t pos) {
    const std::size_t n = text.size();
    for (; pos + 8 <= n; pos += 8) {
        const std::uint64_t word = text::wordAt(text.data() + pos);
        std::uint64_t maybe = text::anyByteBelow(word, '?') | text::anyByteIs(word, '^') | text::anyByteIs(word, '|');
        for (; maybe != 0; maybe &= maybe - 1) {
            const std::size_t at = pos + static_cast<std::size_t>(std::countr_zero(maybe)) / 8;
            if (!plainInWord(text[at])) return at;
        }
    }
    while (pos < n && plainInWord(text[pos])) ++pos;
    return pos;
}

// "ECHP." or "ECHP(": a word followed the way only ECHO and its kin are.
bool echoLike(std::string_view text, const Word& word, std::size_t keyEnd) {
    const char next = text[keyEnd];
    return next == '(' || next == ':' || (next == '.' && keyEnd + 1 == word.end);
}

} // namespace

std::size_t expansionEnd(std::string_view t, std::size_t pos, Expansion& kind) {
    kind = Expansion::Literal;
    if (pos + 1 >= t.size()) return pos + 1;
    const char next = t[pos + 1];
    if (next == '%') {
        if (pos + 2 < t.size() && t[pos + 2] == '~') {
            kind = Expansion::ForVariable;
            const std::size_t end = skipModifiers(t, pos + 3);
            return end == pos + 3 ? end + (end < t.size() ? 1 : 0) : end;
        }
        if (pos + 2 < t.size() && isLetter(t[pos + 2])) {
            kind = Expansion::ForVariable;
            return pos + 3;
        }
        return pos + 2;
    }
    if (isDigit(next) || next == '*') {
        kind = Expansion::Argument;
        return pos + 2;
    }
    if (next == '~') {
        std::size_t end = skipModifiers(t, pos + 2);
        if (end < t.size() && isDigit(t[end])) {
            kind = Expansion::Argument;
            return end + 1;
        }
        // "%~dpi" without a digit: a FOR reference written with one '%'.
        return pos + 1;
    }
    const std::size_t close = t.find('%', pos + 1);
    if (close == std::string_view::npos) return pos + 1;
    kind = Expansion::Variable;
    return close + 1;
}

std::size_t Walk::skipBlanks(std::size_t pos) const {
    while (pos < m_text.size() && isBlank(m_text[pos])) ++pos;
    return pos;
}

std::size_t Walk::skipCommandBlanks(std::size_t pos) const {
    while (pos < m_text.size() && (isBlank(m_text[pos]) || m_text[pos] == '@' || m_text[pos] == ',' ||
                                   m_text[pos] == ';' || m_text[pos] == '='))
        ++pos;
    return pos;
}

void Walk::colour(std::size_t offset, std::size_t length, ports::ColourRole role) {
    if (!m_keepColours) return;
    const std::size_t onLine = m_line.lengthOnLine(offset, length);
    if (onLine == 0) return;
    const Place at = m_line.placeOf(offset);
    m_colours->colourSpan({at.line, at.column, onLine, role});
}

std::size_t Walk::parseSequence(std::size_t pos) {
    for (;;) {
        pos = skipCommandBlanks(pos);
        if (pos >= m_text.size()) return pos;
        const char c = m_text[pos];
        if (c == '(') {
            openBlock(pos++);
        } else if (c == ')') {
            pos = closeParen(pos);
        } else if (c == '&' || c == '|') {
            const bool twice = pos + 1 < m_text.size() && m_text[pos + 1] == c;
            if (twice || c == '|') m_conditional = true;
            pos += twice ? 2 : 1;
        } else {
            pos = parseCommand(pos);
        }
    }
}

std::size_t Walk::parseCommand(std::size_t pos) {
    ++m_commandIndex;
    m_commandWord = {};
    m_args.clear();
    m_redirects.clear();
    while (pos < m_text.size() && atRedirection(pos)) pos = skipBlanks(readRedirection(pos));
    if (pos >= m_text.size() || endsArguments(pos) || m_text[pos] == '(') return pos;
    const Word word = readWord(pos);
    if (word.empty()) return pos + 1;
    std::size_t keyEnd = word.begin;
    while (keyEnd < word.end && (isLetterOrDigit(m_text[keyEnd]) || m_text[keyEnd] == '_' ||
                                 m_text[keyEnd] == '-'))
        ++keyEnd;
    const UpperWord upperKey(m_text.substr(word.begin, keyEnd - word.begin));
    const std::string_view key = upperKey.view(); // compared with literals of known length, without a call
    const bool internal = isInternalCommand(key) &&
                          (keyEnd == word.end || std::string_view("./\\(:+[];,=").find(m_text[keyEnd]) != std::string_view::npos);
    m_commandWord = keyEnd == word.end || internal ? m_text.substr(word.begin, keyEnd - word.begin) : wordText(word);
    if (wordText(word).front() == ':') {
        // A label at the start of a command in a block: the rest of the line is a comment.
        colour(word.begin, m_text.size() - word.begin, ports::ColourRole::Comment);
        return m_text.size();
    }
    if (internal && key == "REM") {
        colour(word.begin, m_text.size() - word.begin, ports::ColourRole::Comment);
        commentDirective(m_text.substr(word.end));
        return m_text.size();
    }
    colour(word.begin, word.end - word.begin, ports::ColourRole::Command);
    m_codeBefore = m_seenCode;
    if (internal && key != "ECHO") m_seenCode = true;
    if (internal && key == "IF") return parseIf(word.begin, keyEnd);
    if (key == "IF" && keyEnd < word.end && m_text[keyEnd] == '%') {
        // "IF%1==1": without a blank the word is no IF.
        report({Code::IfSyntax, word.begin, 2, "a blank is needed after IF.", {}});
        return m_text.size();
    }
    if (internal && key == "FOR") return parseFor(word.begin, keyEnd);
    if (internal && key == "ELSE") {
        report({Code::ElseAlone, word.begin, 4, {}, {}});
        m_conditional = true;
        return word.end;
    }
    if (internal && key == "ENDLOCAL") endlocalSeen();
    // A macro as the command word may be a FOR ("%FOREACHLINE% %%l in (...) do").
    if (word.expansion) m_forLine = true;
    pos = parseArguments(word.end, word.expansion);
    // "%IF_DEBUG% (": a macro that expands to an IF or FOR head opening a block,
    // perhaps with a comment after the '('.
    if (word.expansion && !m_args.empty() && wordText(m_args.back()) == "(" && m_args.back().end == m_argsEnd)
        openBlock(m_args.back().begin);
    else if (word.expansion && m_args.size() > 1 && wordText(m_args.front()) == "(" && m_text[m_args[1].begin] == ':')
        openBlock(m_args.front().begin);
    const CommandView command{m_text, word, key, m_args};
    Drafts drafts;
    // Only what nearMiss reported counts here: findings about the arguments
    // may yet be dropped when a walk in parts is joined.
    const std::size_t before = m_findings.size();
    if (internal) commandRules(word, key);
    else if (!word.expansion && (keyEnd == word.end || echoLike(m_text, word, keyEnd))) nearMiss(word, key);
    if (!internal && !word.expansion && m_findings.size() == before) shortMisspelling(command, drafts);
    if (!m_quoteReported) unclosedProgramQuote(command, drafts);
    if (internal) internalCommandRules(command, drafts);
    removedCommand(command, drafts);
    wrongQuotes(command, drafts);
    for (const auto& draft : drafts) report(draft);
    for (const auto& redirect : m_redirects) redirectionTarget(redirect.target, redirect.nextArg);
    return pos;
}

bool Walk::endsArguments(std::size_t pos) const {
    const char c = m_text[pos];
    return c == '&' || c == '|' || (c == ')' && !atTopLevel());
}

bool Walk::atRedirection(std::size_t pos) const {
    const char c = m_text[pos];
    if (c == '>' || c == '<') return true;
    return isDigit(c) && pos + 1 < m_text.size() && (m_text[pos + 1] == '>' || m_text[pos + 1] == '<');
}

std::size_t Walk::readRedirection(std::size_t pos) {
    if (isDigit(m_text[pos])) ++pos;
    const char op = m_text[pos++];
    if (op == '>' && pos < m_text.size() && m_text[pos] == '>') ++pos;
    if (pos < m_text.size() && m_text[pos] == '&') {
        ++pos;
        while (pos < m_text.size() && isDigit(m_text[pos])) ++pos;
        return pos;
    }
    pos = skipBlanks(pos);
    if (pos >= m_text.size() || endsArguments(pos) || m_text[pos] == '<' || m_text[pos] == '>') return pos;
    const Word target = readWord(pos);
    m_redirects.push_back({target, m_args.size()});
    return target.end > pos ? target.end : pos + 1;
}

// After a macro as the command word, "%%X IN (" starts the list of a FOR the
// macro begins: a ')' in it closes no block.
std::size_t Walk::parseArguments(std::size_t pos, bool macro) {
    for (;;) {
        pos = skipBlanks(pos);
        if (pos >= m_text.size()) break;
        if (macro && m_text[pos] == '(' && m_args.size() >= 2 && text::toUpper(wordText(m_args.back())) == "IN" &&
            wordText(m_args[m_args.size() - 2]).starts_with("%%")) {
            const std::size_t close = forSetEnd(pos + 1);
            if (close == std::string_view::npos) break;
            m_args.push_back({pos, close + 1, false, false});
            pos = close + 1;
            continue;
        }
        if (endsArguments(pos)) break;
        if (atRedirection(pos)) {
            pos = readRedirection(pos);
            continue;
        }
        const Word word = readWord(pos);
        if (word.empty()) {
            ++pos;
            continue;
        }
        m_args.push_back(word);
        pos = word.end;
    }
    m_argsEnd = pos;
    return pos;
}

std::size_t Walk::scanPercent(std::size_t pos, Expansion& kind) {
    const std::size_t end = expansionEnd(m_text, pos, kind);
    if (kind != Expansion::ForVariable) {
        Drafts drafts;
        expansionSyntax(m_text, pos, drafts);
        for (const auto& draft : drafts) report(draft);
    } else if (!m_forLine && atTopLevel()) {
        forVariableOutside(pos, end);
    }
    if (kind == Expansion::Literal) return end;
    colour(pos, end - pos, ports::ColourRole::Variable);
    if (kind == Expansion::Variable) {
        const std::string_view inner = m_text.substr(pos + 1, end - pos - 2);
        const std::string_view name = inner.substr(0, inner.find(':'));
        variableRead(name, pos, end - pos);
    }
    return end;
}

// "!NAME!": a delayed expansion when it is enabled; otherwise plain text the
// author most likely meant as one.
std::size_t Walk::scanBang(std::size_t pos) {
    const std::size_t close = m_text.find('!', pos + 1);
    if (close == std::string_view::npos) return pos + 1;
    const std::string_view name = m_text.substr(pos + 1, close - pos - 1);
    if (!plausibleName(name)) return pos + 1;
    const std::string reference(m_text.substr(pos, close + 1 - pos));
    if (!m_index.delayedEverEnabled) {
        report({Code::DelayedNotEnabled, pos, close + 1 - pos, reference, {}});
        return close + 1;
    }
    // Coloured either way: whether it is on here may be decided only on joining walks.
    colour(pos, close + 1 - pos, ports::ColourRole::Variable);
    if (delayedSurelyOff()) {
        const std::size_t at = m_findings.size();
        report({Code::DelayedNotYetEnabled, pos, close + 1 - pos, reference, {}});
        if (m_firstLine > 0 && m_findings.size() > at) m_offUnlessBefore.push_back(at);
    }
    return close + 1;
}

// Where the double-quoted text opened at `pos` ends (after its closing
// quotation mark), or the end of the line. Percent expansions are replaced
// before quotes are seen, so a quotation mark inside one does not count.
std::size_t Walk::quoteEnd(std::size_t pos) const {
    for (std::size_t i = text::findEither(m_text, pos + 1, '"', '%'); i < m_text.size();
         i = text::findEither(m_text, i, '"', '%')) {
        if (m_text[i] == '"') return i + 1;
        Expansion kind = Expansion::Literal;
        i = expansionEnd(m_text, i, kind);
    }
    return m_text.size();
}

void Walk::unclosedQuote(std::size_t pos) {
    const std::size_t swallowed = m_text.find_first_of("<>|&", pos + 1);
    if (swallowed == std::string_view::npos || m_quoteReported) return;
    m_quoteReported = true;
    report({Code::UnclosedQuote, pos, 1, std::string(1, m_text[swallowed]), {}});
}

Word Walk::readWord(std::size_t pos, IfToken ifToken) {
    Word word{pos, pos, false, false};
    const std::size_t n = m_text.size();
    std::size_t closeAt = 0; // while inside quotes: the end of the quoted text
    while (pos < n) {
        // Runs of characters that mean nothing here are passed over at once.
        if (closeAt == 0) {
            pos = plainRunEnd(m_text, pos);
        } else {
            if (pos + 1 < closeAt) pos = text::findEither(m_text.substr(0, closeAt - 1), pos, '%', '!');
        }
        if (pos >= n) break;
        const char c = m_text[pos];
        if (closeAt != 0 && pos >= closeAt) closeAt = 0;
        if (closeAt == 0 && c == '"') {
            word.quoted = true;
            closeAt = quoteEnd(pos);
            colour(pos, closeAt - pos, ports::ColourRole::String);
            if (closeAt == n && m_text[n - 1] != '"') unclosedQuote(pos);
            ++pos;
            continue;
        }
        if (closeAt != 0) {
            if (pos + 1 == closeAt && c == '"') closeAt = 0;
        } else {
            if (isBlank(c) || c == '&' || c == '|' || c == '<' || c == '>') break;
            if (c == ')' && !atTopLevel()) break;
            // "1(==1(": a '(' belongs to an unquoted value; after a quoted one it opens a block.
            const bool parenEnds = c == '(' && pos > word.begin && m_text[pos - 1] == '"';
            if (ifToken == IfToken::Yes && (c == '=' || c == ',' || c == ';' || parenEnds)) break;
        }
        if (c == '^' && closeAt == 0) {
            pos = std::min(pos + 2, n);
        } else if (c == '%') {
            Expansion kind = Expansion::Literal;
            pos = scanPercent(pos, kind);
            if (kind != Expansion::Literal) word.expansion = true;
        } else if (c == '!') {
            const std::size_t end = scanBang(pos);
            if (end > pos + 1) word.expansion = true;
            // cmd replaces !NAME! after splitting the line: a quote in it still quotes.
            pos = std::min(end, m_text.substr(0, end).find('"', pos));
        } else {
            ++pos;
        }
    }
    word.end = pos;
    return word;
}

} // namespace core::cmdcheck
