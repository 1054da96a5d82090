// Rules of single commands: misspelt command words and options, jumps to
// labels, redirection targets.
#include "core/cmdcheck/command_tables.h"
#include "core/cmdcheck/rules.h"
#include "core/cmdcheck/walk.h"

#include <algorithm>
#include <array>

namespace core::cmdcheck {
namespace {

constexpr std::array<std::string_view, 4> SETLOCAL_OPTIONS = {"ENABLEEXTENSIONS", "DISABLEEXTENSIONS",
                                                              "ENABLEDELAYEDEXPANSION", "DISABLEDELAYEDEXPANSION"};

bool looksLikeFileName(std::string_view word) {
    if (word.find('\\') != std::string_view::npos) return true;
    const std::size_t dot = word.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || word.size() - dot < 2 || word.size() - dot > 5) return false;
    for (std::size_t i = dot + 1; i < word.size(); ++i)
        if (!isLetterOrDigit(word[i])) return false;
    return true;
}

} // namespace

void Walk::commandRules(const Word& word, std::string_view key) {
    (void)word;
    if (key == "GOTO" || key == "CALL") jumpRules(key);
    else if (key == "EXIT") exitRules();
    else if (key == "SETLOCAL") setlocalRules();
    else if (key == "SET") setRules();
    else if (key == "SHIFT" && !jumpFollows()) shifted();
}

// "IF %1==-o SHIFT & GOTO x": the lines after it run only when the SHIFT did not.
bool Walk::jumpFollows() const {
    std::size_t pos = m_argsEnd;
    while (pos < m_text.size() && (m_text[pos] == '&' || isBlank(m_text[pos]))) ++pos;
    std::size_t end = pos;
    while (end < m_text.size() && isLetter(m_text[end])) ++end;
    const std::string word = text::toUpper(m_text.substr(pos, end - pos));
    return pos > m_argsEnd && m_text[m_argsEnd] == '&' && (word == "GOTO" || word == "EXIT");
}

void Walk::internalCommandRules(const CommandView& command, std::vector<FindingDraft>& drafts) {
    const std::string_view key = command.key;
    if (key == "CD" || key == "CHDIR") cdToNetworkPath(command, drafts);
    else if (key == "ECHO" && !m_forLine) lonePercent(command, drafts);
    else if (key == "SET") {
        promptWithoutVariable(command, drafts);
        arithmeticCaret(command, drafts);
    } else if (key == "CALL" && !command.args.empty()) {
        callWithoutColon(command, hasLabel(text::toUpper(wordText(command.args.front()))), drafts);
    }
}

// SHIFT moves the arguments: a guard of %1 no longer holds.
void Walk::shifted() {
    m_shifted = true;
    std::erase_if(m_surelySet, [](const std::string& name) { return name.starts_with('%'); });
}

// "%%i" where no FOR runs the line (a batch file writing "%%~dp0" or
// "%%NAME%%" into another file means the text, and so does SET /A's "%%").
void Walk::forVariableOutside(std::size_t pos, std::size_t end) {
    if (!m_commandWord.empty() && text::toUpper(m_commandWord) == "SET") return;
    const char after = end < m_text.size() ? m_text[end] : ' ';
    if (isLetterOrDigit(after) || after == '_' || after == '%' || end - pos < 3) return;
    // "%%%%p" is an escaped "%%p"; "%%~0" writes "%~0".
    if ((pos > 0 && m_text[pos - 1] == '%') || !isLetter(m_text[end - 1])) return;
    report({Code::ForVariableOutside, pos, end - pos, std::string(m_text.substr(pos, end - pos)), {}});
}

bool Walk::delayedSurelyOff() const {
    if (m_labelSeen || m_delayedSeen) return false;
    // CMD /V:ON on the same line runs its command with it on.
    return text::toUpper(m_text).find("/V:ON") == std::string::npos;
}

// Rules of the physical line that ends the logical one.
void Walk::lineEndRules() {
    if (m_text.empty() || !isBlank(m_text.back()) || m_line.lastLine + 1 >= m_lines.size()) return;
    if (m_lines[m_line.lastLine + 1].find_first_not_of(" \t") == std::string_view::npos) return;
    const std::size_t first = skipCommandBlanks(0);
    if (text::toUpper(m_text.substr(first, 4)).starts_with("REM")) return;
    Drafts drafts;
    caretBeforeBlanks(m_text, m_text.size() - m_lines[m_line.lastLine].size(), drafts);
    for (const auto& draft : drafts) report(draft);
}

void Walk::nearMiss(const Word& word, std::string_view key) {
    for (char c : key)
        if (!isLetter(c)) return;
    // The same words come back line after line: each is compared with the known ones once.
    const auto [found, fresh] = m_nearMisses.try_emplace(std::string(key));
    if (fresh) found->second = nearMissCommand(key);
    const std::string_view known = found->second;
    if (!known.empty()) report({Code::NearMissCommand, word.begin, word.end - word.begin, std::string(wordText(word)),
                                std::string(known)});
}

// GOTO LABEL and CALL :LABEL need the label in this file (":EOF" is built in).
// An unconditional jump at the top level makes the lines up to the next label
// dead code: hybrid scripts keep other languages there.
void Walk::jumpRules(std::string_view key) {
    if (m_args.empty()) return;
    const Word& target = m_args.front();
    const std::string_view text = wordText(target);
    const bool colon = text.front() == ':';
    if (key == "CALL" && !colon) return;
    if (key == "GOTO") startSkipping(m_labelSeen || m_codeBefore || text::toUpper(text) == ":EOF");
    if (target.expansion || target.quoted) return;
    std::string_view name = text.substr(colon ? 1 : 0);
    name = name.substr(0, name.find_first_of(":+,;="));
    const std::string upper = text::toUpper(name);
    if (upper.empty() || (colon && upper == "EOF") || hasLabel(upper)) return;
    report({Code::MissingLabel, target.begin, target.end - target.begin, std::string(key), std::string(name)});
}

void Walk::exitRules() {
    startSkipping(true);
    if (m_args.empty()) return;
    const Word& first = m_args.front();
    const std::string upper = text::toUpper(wordText(first));
    if (upper == "/B" || first.expansion) return;
    if ((upper.front() == '/' || upper.front() == '\\' || upper.front() == '-') && upper.size() == 2 && upper[1] == 'B')
        report({Code::NearMissOption, first.begin, 2, std::string(wordText(first)), "/B"});
}

void Walk::setlocalRules() {
    for (const auto& arg : m_args) {
        if (arg.expansion) continue;
        const std::string upper = text::toUpper(wordText(arg));
        if (upper == "ENABLEDELAYEDEXPANSION") m_delayedSeen = true;
        if (std::find(SETLOCAL_OPTIONS.begin(), SETLOCAL_OPTIONS.end(), upper) != SETLOCAL_OPTIONS.end()) continue;
        std::string_view best;
        std::size_t bestDistance = 99;
        for (const auto option : SETLOCAL_OPTIONS) {
            const std::size_t distance = editDistance(upper, option, 6);
            if (distance < bestDistance) {
                best = option;
                bestDistance = distance;
            }
        }
        if (bestDistance > 0 && bestDistance <= 6)
            report({Code::NearMissOption, arg.begin, arg.end - arg.begin, std::string(wordText(arg)), std::string(best)});
    }
}

// "> C:\My Logs\out.txt": the target ends at the blank and the rest becomes
// arguments of the command.
void Walk::redirectionTarget(const Word& target, std::size_t nextArg) {
    if (target.quoted || nextArg >= m_args.size()) return;
    const std::string_view path = wordText(target);
    if (path.find('\\') == std::string_view::npos) return;
    const Word& next = m_args[nextArg];
    const std::string_view rest = wordText(next);
    if (next.begin < target.end || rest.front() == '/' || rest.front() == '-' || !looksLikeFileName(rest)) return;
    for (std::size_t i = target.end; i < next.begin; ++i)
        if (!isBlank(m_text[i])) return;
    report({Code::RedirectBlank, target.begin, next.end - target.begin, std::string(path), {}});
}

} // namespace core::cmdcheck
