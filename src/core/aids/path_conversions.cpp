#include "core/aids/path_conversions.h"

#include "core/aids/relative_path.h"
#include "core/aids/short_path.h"
#include "core/aids/aid_texts.h"
#include "core/text/codepage.h"

#include <string_view>

namespace core::aids {
namespace {

bool quoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

std::string_view unquoted(std::string_view text) { return quoted(text) ? text.substr(1, text.size() - 2) : text; }

// Replaces the selection only when the text changes, so an unchanged path
// leaves the document unmodified and adds no undo step.
void replaceIfChanged(ports::EditorView& editor, const std::string& selection, const std::string& result) {
    if (result != selection) editor.replaceSelection(result);
}

} // namespace

void PathConversions::shortenPath(ports::EditorView& editor, ports::FileSystem& files) const {
    const auto selection = editor.selectedText();
    const auto path = unquoted(selection);
    if (path.empty()) return;
    replaceIfChanged(editor, selection, shortPathOfText(files, path));
}

void PathConversions::makeRelativePath(ports::EditorView& editor, ports::Prompter& prompter) {
    const auto chosen = prompter.chooseFolder(std::string(texts::RELATIVE_BASE_TITLE), m_baseDirectory);
    if (!chosen) return;
    m_baseDirectory = *chosen;
    const auto selection = editor.selectedText();
    auto result = relativePath(text::fromUtf8(*chosen).bytes, unquoted(selection));
    if (quoted(selection)) result = "\"" + result + "\"";
    replaceIfChanged(editor, selection, result);
}

} // namespace core::aids
