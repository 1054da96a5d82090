#include "core/aids/path_conversions.h"

#include "core/aids/relative_path.h"
#include "core/aids/short_path.h"
#include "core/aids/aid_texts.h"
#include "core/text/codepage.h"

#include <optional>
#include <string_view>

namespace core::aids {
namespace {

bool quoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

std::string_view unquoted(std::string_view text) { return quoted(text) ? text.substr(1, text.size() - 2) : text; }

// Replaces the selection only when the text changes, so an unchanged path
// leaves the document unmodified and adds no undo step. The path rules work on
// Windows-1252 text; the editor's text is UTF-8.
void replaceIfChanged(ports::EditorView& editor, const std::string& selectionUtf8, const std::string& result) {
    const auto utf8 = text::toUtf8(result);
    if (utf8 != selectionUtf8) editor.replaceSelection(utf8);
}

// The selection as Windows-1252; nothing when it holds a character the code
// page lacks (such a path is left as it is).
std::optional<std::string> selectedPath(const ports::EditorView& editor) {
    auto converted = text::fromUtf8(editor.selectedText());
    if (!converted.ok) return std::nullopt;
    return std::move(converted.bytes);
}

} // namespace

void PathConversions::shortenPath(ports::EditorView& editor, ports::FileSystem& files) const {
    const auto selection = selectedPath(editor);
    if (!selection || unquoted(*selection).empty()) return;
    replaceIfChanged(editor, editor.selectedText(), shortPathOfText(files, unquoted(*selection)));
}

void PathConversions::makeRelativePath(ports::EditorView& editor, ports::Prompter& prompter) {
    const auto chosen = prompter.chooseFolder(std::string(texts::RELATIVE_BASE_TITLE), m_baseDirectory);
    if (!chosen) return;
    m_baseDirectory = *chosen;
    const auto selection = selectedPath(editor);
    if (!selection) return;
    auto result = relativePath(text::fromUtf8(*chosen).bytes, unquoted(*selection));
    if (quoted(*selection)) result = "\"" + result + "\"";
    replaceIfChanged(editor, editor.selectedText(), result);
}

} // namespace core::aids
