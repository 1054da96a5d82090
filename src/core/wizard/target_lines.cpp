#include "core/wizard/target_lines.h"

#include "core/aids/short_path.h"

namespace core::wizard {

std::string quotedOnce(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return std::string(text);
    return '"' + std::string(text) + '"';
}

std::string quotedFor(Target target, std::string_view text) {
    return target == Target::Windows ? quotedOnce(text) : '"' + std::string(text) + '"';
}

std::string quotedWhenNeeded(std::string_view text) {
    constexpr std::string_view SPECIAL = " \t&|<>^(),;=";
    return text.find_first_of(SPECIAL) == std::string_view::npos ? std::string(text) : quotedOnce(text);
}

std::string pathArgument(GeneratorContext& context, std::string_view path) {
    if (context.target == Target::Classic) return aids::shortPathOfText(context.files, path);
    return quotedOnce(path);
}

std::string escapedText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '&' || c == '|' || c == '<' || c == '>' || c == '^') out += '^';
        out += c;
    }
    return out;
}

std::string joinedPath(std::string_view folder, std::string_view name) {
    if (folder.empty() || folder.back() == '\\') return std::string(folder) + std::string(name);
    return std::string(folder) + '\\' + std::string(name);
}

} // namespace core::wizard
