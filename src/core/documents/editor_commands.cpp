#include "core/documents/editor_commands.h"

#include "core/text/lines.h"

#include <charconv>
#include <vector>

namespace core::documents {
namespace {

// The whole text with a line break after every line, the last included.
std::string wholeText(const core::ports::EditorView& view) { return core::text::joinLines(view.lines()); }

} // namespace

bool findNext(core::ports::EditorView& view, const std::string& needle) {
    if (needle.empty()) return false;
    const std::size_t from = view.selectionLength() == 0 ? 0 : view.selectionStart() + view.selectionLength();
    const auto found = wholeText(view).find(needle, from);
    if (found == std::string::npos) return false;
    view.select(found, needle.size());
    return true;
}

bool replaceFirst(core::ports::EditorView& view, const std::string& needle, const std::string& replacement) {
    if (needle.empty()) return false;
    const auto found = wholeText(view).find(needle);
    if (found == std::string::npos) return false;
    view.select(found, needle.size());
    view.replaceSelection(replacement);
    return true;
}

std::size_t replaceAll(core::ports::EditorView& view, const std::string& needle, const std::string& replacement) {
    if (needle.empty()) return 0;
    const std::string text = wholeText(view);
    std::vector<std::size_t> found;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        found.push_back(at);
    // Replacing from the last match backwards keeps the earlier offsets valid.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        view.select(*it, needle.size());
        view.replaceSelection(replacement);
    }
    return found.size();
}

std::optional<int> parseInteger(const std::string& entry) {
    std::size_t start = entry.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    const bool plus = entry[start] == '+';
    if (plus) ++start;
    int value = 0;
    const char* first = entry.data() + start;
    const char* last = entry.data() + entry.size();
    if (first == last || *first == '+' || (plus && *first == '-')) return std::nullopt;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::string notAnIntegerMessage(const std::string& entry) { return "'" + entry + "' is not a valid integer value."; }

std::string noSuchLineMessage(int line) { return "The line \"" + std::to_string(line) + "\" does not exist."; }

bool goToLine(core::ports::EditorView& view, int line) {
    const auto lines = view.lines();
    if (line < 1 || static_cast<std::size_t>(line) > lines.size()) return false;
    view.setCaret(core::text::offsetOfLine(lines, static_cast<std::size_t>(line) - 1));
    return true;
}

} // namespace core::documents
