#include "core/wizard/document_targets.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <optional>

namespace core::wizard {
namespace {

constexpr std::string_view UNTITLED = "Untitled";
constexpr std::string_view UNSAVED_MARK = "*";

// Index of the first tab bearing exactly this caption.
std::optional<std::size_t> tabOf(const std::vector<std::string>& captions, const std::string& caption) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == caption) return i;
    return std::nullopt;
}

} // namespace

std::vector<std::string> targetChoices(const DocumentTargets& documents) {
    auto names = documents.openDocumentNames();
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return text::toUpper(a) < text::toUpper(b);
    });
    return names;
}

std::size_t initialTargetIndex(const std::vector<std::string>& choices, const std::string& currentName) {
    const auto found = std::find(choices.begin(), choices.end(), currentName);
    return found == choices.end() ? 0 : static_cast<std::size_t>(found - choices.begin());
}

std::string displayNameOf(const std::string& name) {
    if (name.starts_with(UNTITLED)) return name;
    const auto separator = name.find_last_of("\\/");
    return separator == std::string::npos ? name : name.substr(separator + 1);
}

bool makeTargetCurrent(DocumentTargets& documents, const std::string& name) {
    const auto open = documents.openDocumentNames();
    if (std::find(open.begin(), open.end(), name) == open.end()) return false;
    const auto display = displayNameOf(name);
    const auto captions = documents.tabCaptions();
    std::string caption = display + std::string(UNSAVED_MARK);
    auto tab = tabOf(captions, caption);
    if (!tab) {
        caption = display;
        tab = tabOf(captions, caption);
    }
    if (!tab) return false;
    documents.selectTab(*tab);
    return documents.switchToDocument(caption, /*keepCurrent=*/true);
}

} // namespace core::wizard
