#include "core/aids/short_path.h"

#include "core/aids/path_parts.h"
#include "core/text/codepage.h"

namespace core::aids {
namespace {

constexpr std::string_view INVALID_83 = "\"*/:<>?\\|+,;=[] ";
constexpr std::string_view REPLACED_BY_UNDERSCORE = "+,;=[]";

bool contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// Upper-cased, blanks dropped (and dots, in a base), "+,;=[]" made "_".
std::string cleaned(std::string_view part, bool dropDots) {
    std::string out;
    for (char c : part) {
        if (c == ' ' || (dropDots && c == '.')) continue;
        out += contains(REPLACED_BY_UNDERSCORE, c) ? '_' : text::toUpper(c);
    }
    return out;
}

std::string aliasOf(std::string_view name) {
    std::string_view base = name;
    std::string_view extension;
    // The last dot starts the extension, unless it is the name's first character.
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        base = name.substr(0, dot);
        extension = name.substr(dot + 1);
    }
    std::string alias = cleaned(base, true).substr(0, 6) + "~1";
    if (const auto ext = cleaned(extension, false); !ext.empty()) alias += "." + ext.substr(0, 3);
    return alias;
}

// Names that are not names of one file: ".", "..", "..." and wildcard patterns.
bool keptAsTyped(std::string_view name) {
    return name.find_first_not_of('.') == std::string_view::npos ||
           name.find_first_of("*?") != std::string_view::npos || isValid83Name(name);
}

} // namespace

bool isValid83Name(std::string_view name) {
    if (name.empty() || name.find_first_of(INVALID_83) != std::string_view::npos) return false;
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) return name.size() <= 8;
    const auto extension = name.substr(dot + 1);
    return dot >= 1 && dot <= 8 && !extension.empty() && extension.size() <= 3 &&
           extension.find('.') == std::string_view::npos;
}

std::string conventionalShortPath(std::string_view path) {
    const auto prefix = drivePrefixLength(path);
    std::string out(path.substr(0, prefix));
    std::size_t start = prefix;
    for (std::size_t i = prefix; i <= path.size(); ++i) {
        if (i < path.size() && !isSeparator(path[i])) continue;
        const auto name = path.substr(start, i - start);
        out += keptAsTyped(name) ? std::string(name) : aliasOf(name);
        if (i < path.size()) out += path[i];
        start = i + 1;
    }
    return out;
}

std::string conventionalShortPathUtf8(const std::string& utf8Path) {
    return text::toUtf8(conventionalShortPath(text::fromUtf8(utf8Path).bytes));
}

std::string shortPathOfText(ports::FileSystem& files, std::string_view cp1252Path) {
    if (cp1252Path.empty()) return {};
    return text::fromUtf8(files.shortPath(text::toUtf8(cp1252Path))).bytes;
}

} // namespace core::aids
