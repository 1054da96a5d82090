#include "core/aids/short_path.h"

#include "core/text/codepage.h"

#include <vector>

namespace core::aids {
namespace {

constexpr std::string_view INVALID_83 = "\"*/:<>?\\|+,;=[]";
constexpr std::string_view REPLACED_BY_UNDERSCORE = "+,;=[]";

bool hasInvalidCharacter(std::string_view part) {
    return part.find_first_of(INVALID_83) != std::string_view::npos || part.find(' ') != std::string_view::npos;
}

std::string aliasOf(std::string_view component) {
    std::string_view base = component;
    std::string_view extension;
    const auto dot = component.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        base = component.substr(0, dot);
        extension = component.substr(dot + 1);
    }
    auto clean = [](std::string_view part, bool dropDots) {
        std::string out;
        for (char c : part) {
            if (c == ' ' || (dropDots && c == '.')) continue;
            out += REPLACED_BY_UNDERSCORE.find(c) != std::string_view::npos ? '_' : text::toUpper(c);
        }
        return out;
    };
    std::string alias = clean(base, true).substr(0, 6) + "~1";
    const std::string ext = clean(extension, false);
    if (!ext.empty()) {
        alias += '.';
        alias += ext.substr(0, 3);
    }
    return alias;
}

std::vector<std::string_view> splitAtBackslashes(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// Length of the prefix that stays as typed: "X:" or "\\server\share".
std::size_t prefixLength(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') return 2;
    if (path.substr(0, 2) == "\\\\") {
        const auto server = path.find('\\', 2);
        if (server == std::string_view::npos) return path.size();
        const auto share = path.find('\\', server + 1);
        return share == std::string_view::npos ? path.size() : share;
    }
    return 0;
}

} // namespace

bool isValid83Name(std::string_view component) {
    if (component.empty() || hasInvalidCharacter(component)) return false;
    const auto dot = component.find('.');
    if (dot == std::string_view::npos) return component.size() <= 8;
    const auto base = component.substr(0, dot);
    const auto extension = component.substr(dot + 1);
    return !base.empty() && base.size() <= 8 && !extension.empty() && extension.size() <= 3 &&
           extension.find('.') == std::string_view::npos;
}

std::string conventionalShortPath(std::string_view path) {
    const auto prefix = prefixLength(path);
    std::string out(path.substr(0, prefix));
    const auto rest = path.substr(prefix);
    const auto parts = splitAtBackslashes(rest);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += '\\';
        const auto part = parts[i];
        if (part.empty() || part == "." || part == ".." || isValid83Name(part)) out += part;
        else out += aliasOf(part);
    }
    return out;
}

std::string shortPathOfText(ports::FileSystem& files, std::string_view cp1252Path) {
    if (cp1252Path.empty()) return {};
    return text::fromUtf8(files.shortPath(text::toUtf8(cp1252Path))).bytes;
}

} // namespace core::aids
