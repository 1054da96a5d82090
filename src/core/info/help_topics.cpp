#include "core/info/help_topics.h"

#include <algorithm>
#include <charconv>

namespace core::info {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const auto at = text.find(separator, from);
        parts.push_back(trimmed(text.substr(from, at == std::string_view::npos ? at : at - from)));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
    return value;
}

} // namespace

HelpIndex HelpIndex::parse(std::string_view text, std::vector<std::string>* problems) {
    HelpIndex index;
    std::size_t lineNumber = 0;
    for (const auto line : split(text, '\n')) {
        ++lineNumber;
        std::string problem;
        if (!index.addLine(line, problem) && problems)
            problems->push_back("line " + std::to_string(lineNumber) + ": " + problem);
    }
    return index;
}

bool HelpIndex::addLine(std::string_view line, std::string& problem) {
    if (line.empty() || line.front() == '#') return true;
    if (line.front() == '=') {
        m_books.emplace_back(trimmed(line.substr(1)));
        return true;
    }
    const auto fields = split(line, '|');
    if (fields.size() != 3 || fields[0].empty() || fields[1].empty()) {
        problem = "expected \"page | title | numbers\"";
        return false;
    }
    if (m_books.empty()) {
        problem = "a topic before the first book";
        return false;
    }
    if (topicOf(fields[0])) {
        problem = "the page " + std::string(fields[0]) + " is listed twice";
        return false;
    }
    std::vector<Entry> entries;
    for (const auto word : split(fields[2], ' ')) {
        if (word.empty()) continue;
        const auto hash = word.find('#');
        const auto context = number(word.substr(0, hash));
        const auto taken = [&](int n) {
            return target(n) || std::any_of(entries.begin(), entries.end(), [n](const Entry& e) { return e.context == n; });
        };
        if (!context || taken(*context)) {
            problem = "\"" + std::string(word) + "\" is not a new context number";
            return false;
        }
        const auto anchor = hash == std::string_view::npos ? std::string_view{} : word.substr(hash + 1);
        entries.push_back({*context, {std::string(fields[0]), std::string(anchor)}});
    }
    m_topics.push_back({std::string(fields[0]), std::string(fields[1]), m_books.size() - 1});
    m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    return true;
}

std::optional<HelpTarget> HelpIndex::target(int context) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [context](const Entry& entry) { return entry.context == context; });
    if (found == m_entries.end()) return std::nullopt;
    return found->target;
}

std::vector<int> HelpIndex::contexts() const {
    std::vector<int> numbers;
    for (const auto& entry : m_entries) numbers.push_back(entry.context);
    return numbers;
}

std::optional<std::size_t> HelpIndex::topicOf(std::string_view page) const {
    const auto found = std::find_if(m_topics.begin(), m_topics.end(),
                                    [page](const HelpTopic& topic) { return topic.page == page; });
    if (found == m_topics.end()) return std::nullopt;
    return static_cast<std::size_t>(found - m_topics.begin());
}

} // namespace core::info
