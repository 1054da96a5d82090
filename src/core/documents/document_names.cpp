#include "core/documents/document_names.h"

#include "core/documents/document_texts.h"
#include "core/text/codepage.h"

namespace core::documents {

std::string_view displayName(std::string_view name) {
    const auto cut = name.find_last_of("\\/:");
    return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

std::string captionOf(std::string_view name, bool modified) {
    std::string caption(displayName(name));
    if (modified) caption += '*';
    return caption;
}

std::string untitledName(int n) {
    std::string name(UNTITLED_PREFIX);
    if (n > 0) name += std::to_string(n);
    return name + std::string(UNTITLED_EXTENSION);
}

bool isUntitled(std::string_view name) { return name.starts_with(UNTITLED_PREFIX); }

bool captionsMatch(std::string_view a, std::string_view b) {
    if (a == b) return true;
    const auto left = text::fromUtf8(a);
    const auto right = text::fromUtf8(b);
    // Characters outside the code page have no case rule here: compare exactly.
    if (!left.ok || !right.ok) return false;
    return text::equalsIgnoreCase(left.bytes, right.bytes);
}

} // namespace core::documents
