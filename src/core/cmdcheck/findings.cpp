#include "core/cmdcheck/findings.h"

#include "core/text/checker_lines.h"

#include <algorithm>
#include <string>

namespace core::cmdcheck {

const CodeDef& codeDef(Code code) { return allCodes()[static_cast<std::size_t>(code)]; }

const CodeDef* codeDefOf(std::string_view id) {
    for (const auto& def : allCodes())
        if (text::equalsIgnoreCase(def.id, id)) return &def;
    return nullptr;
}

std::string formatCodeMessage(Code code, std::size_t line, std::string_view a, std::string_view b) {
    const std::string_view pattern = codeDef(code).text;
    std::string out;
    out.reserve(pattern.size() + std::min(a.size() * 2 + b.size(), 3 * text::QUOTE_LIMIT) + 8);
    // Text up to each '{' is copied in one piece.
    for (std::size_t i = 0; i < pattern.size();) {
        const std::size_t brace = std::min(pattern.find('{', i), pattern.size());
        out.append(pattern, i, brace - i);
        if (brace == pattern.size()) break;
        const std::string_view rest = pattern.substr(brace);
        if (rest.starts_with("{line}")) {
            out += std::to_string(line);
            i = brace + 6;
        } else if (rest.starts_with("{a}")) {
            out += text::quoteOf(a);
            i = brace + 3;
        } else if (rest.starts_with("{b}")) {
            out += text::quoteOf(b);
            i = brace + 3;
        } else {
            out += '{';
            i = brace + 1;
        }
    }
    return out;
}

} // namespace core::cmdcheck
