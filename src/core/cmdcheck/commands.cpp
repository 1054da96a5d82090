// Rules of single commands: misspelt command words and options, jumps to
// labels, redirection targets.
#include "core/cmdcheck/command_tables.h"
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
    if (key == "GOTO" && atTopLevel() && !m_conditional) m_skipping = true;
    if (target.expansion || target.quoted) return;
    std::string_view name = text.substr(colon ? 1 : 0);
    name = name.substr(0, name.find_first_of(":+,;="));
    const std::string upper = text::toUpper(name);
    if (upper.empty() || (colon && upper == "EOF") || hasLabel(upper)) return;
    report({Code::MissingLabel, target.begin, target.end - target.begin, std::string(key), std::string(name)});
}

void Walk::exitRules() {
    if (atTopLevel() && !m_conditional) m_skipping = true;
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
