#include "core/info/help_library.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace core::info {
namespace {

constexpr std::array<std::pair<std::string_view, char32_t>, 13> ENTITIES = {{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"nbsp", U' '},
    {"copy", U'\u00A9'}, {"reg", U'\u00AE'}, {"mdash", U'\u2014'}, {"ndash", U'\u2013'},
    {"hellip", U'\u2026'}, {"rsquo", U'\u2019'}, {"lsquo", U'\u2018'},
}};

std::string lower(std::string_view text) {
    std::string out(text);
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The code point of an entity name ("amp", "#169", "#xA9"); nothing if unknown.
std::optional<char32_t> entity(std::string_view name) {
    if (name.starts_with('#')) {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const auto digits = name.substr(hex ? 2 : 1);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        if (error != std::errc() || end != digits.data() + digits.size() || value > 0x10FFFF) return std::nullopt;
        return static_cast<char32_t>(value);
    }
    for (const auto& [entityName, codePoint] : ENTITIES)
        if (entityName == name) return codePoint;
    return std::nullopt;
}

// Skips a tag that starts at `at` (a '<'); returns the position after it.
// Elements whose content is not text to a reader are skipped whole.
std::size_t skipTag(std::string_view html, std::size_t at) {
    if (html.substr(at).starts_with("<!--")) {
        const auto end = html.find("-->", at + 4);
        return end == std::string_view::npos ? html.size() : end + 3;
    }
    const auto close = html.find('>', at);
    if (close == std::string_view::npos) return html.size();
    const auto name = lower(html.substr(at + 1, std::min<std::size_t>(close - at - 1, 7)));
    for (const std::string_view hidden : {"head", "script", "style"}) {
        const bool opens = name.starts_with(hidden) &&
                           (name.size() == hidden.size() || !std::isalpha(static_cast<unsigned char>(name[hidden.size()])));
        if (!opens) continue;
        const auto end = lower(html).find("</" + std::string(hidden), close);
        if (end == std::string::npos) return html.size();
        const auto endClose = html.find('>', end);
        return endClose == std::string_view::npos ? html.size() : endClose + 1;
    }
    return close + 1;
}

void appendBlank(std::string& out) {
    if (!out.empty() && out.back() != ' ') out += ' ';
}

} // namespace

std::string plainText(std::string_view html) {
    std::string out;
    for (std::size_t at = 0; at < html.size();) {
        const char c = html[at];
        if (c == '<') {
            at = skipTag(html, at);
            appendBlank(out);
        } else if (c == '&') {
            const auto semicolon = html.find(';', at);
            const auto code = semicolon == std::string_view::npos || semicolon - at > 10
                                  ? std::nullopt
                                  : entity(html.substr(at + 1, semicolon - at - 1));
            if (code && *code == U' ') appendBlank(out);
            else if (code) text::appendUtf8(out, *code);
            else out += c;
            at = code ? semicolon + 1 : at + 1;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            appendBlank(out);
            ++at;
        } else {
            out += c;
            ++at;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    if (!out.empty() && out.front() == ' ') out.erase(0, 1);
    return out;
}

HelpLibrary::HelpLibrary(ports::FileSystem& files, const std::string& programFolder)
    : m_folder(programFolder + std::string(HELP_FOLDER) + (programFolder.empty() ? '/' : programFolder.back())) {
    const auto index = files.readFile(pathOf(HELP_INDEX));
    if (!index.ok) {
        m_problems.push_back(pathOf(HELP_INDEX) + ": " + index.error);
        return;
    }
    m_loaded = true;
    m_index = HelpIndex::parse(index.bytes, &m_problems);
    for (const auto& topic : m_index.topics()) {
        const auto page = files.readFile(pathOf(topic.page));
        if (!page.ok) m_problems.push_back(pathOf(topic.page) + ": " + page.error);
        m_texts.push_back(lower(topic.title) + '\n' + lower(plainText(page.bytes)));
    }
}

std::string HelpLibrary::pathOf(std::string_view page) const { return m_folder + std::string(page); }

std::vector<std::size_t> HelpLibrary::search(std::string_view query) const {
    std::vector<std::string> words;
    const auto wanted = lower(query);
    for (std::size_t from = 0; from < wanted.size();) {
        const auto start = wanted.find_first_not_of(" \t", from);
        if (start == std::string::npos) break;
        const auto end = std::min(wanted.find_first_of(" \t", start), wanted.size());
        words.push_back(wanted.substr(start, end - start));
        from = end;
    }
    if (words.empty()) return {};
    std::vector<std::size_t> inTitle, inText;
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        const auto& text = m_texts[i];
        const auto has = [&text](const std::string& word) { return text.find(word) != std::string::npos; };
        if (!std::all_of(words.begin(), words.end(), has)) continue;
        const auto title = std::string_view(text).substr(0, text.find('\n'));
        const bool titled = std::any_of(words.begin(), words.end(),
                                        [title](const std::string& word) { return title.find(word) != std::string_view::npos; });
        (titled ? inTitle : inText).push_back(i);
    }
    inTitle.insert(inTitle.end(), inText.begin(), inText.end());
    return inTitle;
}

} // namespace core::info
