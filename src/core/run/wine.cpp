#include "core/run/wine.h"

#include "core/run/run_texts.h"

namespace core::run {

WineTools findWineTools(ports::Shell& shell) {
    WineTools tools{shell.findProgram("wine"), shell.findProgram("x-terminal-emulator")};
    if (tools.terminal.empty()) tools.terminal = shell.findProgram("xterm");
    return tools;
}

std::optional<std::string> winePath(std::string_view posixPath) {
    if (!posixPath.starts_with('/')) return std::nullopt;
    std::string path = "Z:";
    for (const char c : posixPath) {
        if (std::string_view("\\:*?\"<>|").find(c) != std::string_view::npos) return std::nullopt;
        path += c == '/' ? '\\' : c;
    }
    return path;
}

std::vector<std::string> commandStandInLines() {
    // "cmd /c call": the quoted path reaches CALL with its quotes, which cmd /c
    // alone would strip from a name holding "&" or brackets.
    return {std::string(texts::LAUNCHER_ECHO_OFF), "cmd /c call %2"};
}

std::vector<std::string> terminalCommand(const WineTools& tools, std::string_view wineLauncher) {
    // /K keeps the command interpreter, and so the window, open at the end.
    return {tools.terminal, "-e", tools.wine, "cmd", "/k", std::string(wineLauncher)};
}

} // namespace core::run
