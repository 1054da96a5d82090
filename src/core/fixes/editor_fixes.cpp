#include "core/fixes/editor_fixes.h"

namespace core::fixes {
namespace {

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Replaces what differs between the editor's text and `after` with one
// replacement. Offsets are bytes of the editor's UTF-8 text (its lines joined
// with CR LF); the changed part never starts or ends inside a character or a
// CR LF.
void replaceDifference(ports::EditorView& view, const std::string& before, const std::string& after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    while (prefix > 0 && (continuation(before[prefix]) || (before[prefix] == '\n' && before[prefix - 1] == '\r')))
        --prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const auto startsBadly = [&](std::size_t at) {
        return at < before.size() && (continuation(before[at]) || (before[at] == '\n' && at > 0 && before[at - 1] == '\r'));
    };
    while (suffix > 0 && startsBadly(before.size() - suffix)) --suffix;
    view.select(prefix, before.size() - suffix - prefix);
    view.replaceSelection(after.substr(prefix, after.size() - suffix - prefix));
}

} // namespace

std::optional<Fix> fixOfFinding(std::string_view text, const checker::Finding& finding, const FixRequest& request) {
    FixRequest all = request;
    all.suggested = true;
    all.onlyCode = finding.code;
    const Position place{finding.line - 1, finding.column - 1};
    std::optional<Fix> chosen;
    for (auto& fix : fixesOfText(text, all)) {
        if (fix.finding != place || (chosen && chosen->safety == Safety::Safe)) continue;
        chosen = std::move(fix);
    }
    return chosen;
}

bool fixInEditor(ports::EditorView& view, const checker::Finding& finding, const FixRequest& request) {
    const std::string before = view.text();
    const auto fix = fixOfFinding(before, finding, request);
    if (!fix) return false;
    const std::string after = applyEdits(before, fix->edits);
    if (after == before) return false;
    replaceDifference(view, before, after);
    return true;
}

std::size_t fixAllLikeInEditor(ports::EditorView& view, const std::string& code, FixRequest request) {
    request.suggested = true;
    request.onlyCode = code;
    const std::string before = view.text();
    const auto outcome = fixText(before, request);
    if (!outcome.changed()) return 0;
    replaceDifference(view, before, outcome.text);
    return outcome.applied.at(code);
}

} // namespace core::fixes
