// Rules of NET, START, GOTO and SET.
#include "core/checker/rules.h"

#include <array>
#include <optional>

namespace core::checker::rules {
namespace {

// Columns of a NET sub-command: "NET " is four characters.
constexpr std::size_t SUBCOMMAND_OFFSET = 4;

struct NetService {
    std::string_view word; //!< with its trailing space
    MessageId problem;
};

constexpr std::array<NetService, 4> NET_SERVICES = {{
    {"START ", MessageId::NetStart},
    {"STOP ", MessageId::NetStop},
    {"PAUSE ", MessageId::NetPause},
    {"CONTINUE ", MessageId::NetContinue},
}};

void colourSubcommand(LineCheck& line, std::size_t length) {
    line.colour(line.keywordColumn() + SUBCOMMAND_OFFSET, length);
}

bool quotedName(const WorkingText& w) { return w.at(1) == '"' && w.size() > 1; }

// NET START/STOP/PAUSE/CONTINUE: a service name with spaces must be quoted.
Flow netService(LineCheck& line, const NetService& service) {
    line.w.removeFront(service.word.size());
    if (line.w.firstSpaceTest() || quotedName(line.w)) colourSubcommand(line, service.word.size() - 1);
    else line.warn(service.problem);
    return Flow::EndLine;
}

// The computer or domain of NET TIME: how much of W it takes, when it is well
// formed (quoted, or its first space being the one that begins " /SET").
std::optional<std::size_t> netTimeTarget(const WorkingText& w) {
    const std::size_t space = w.find(" ");
    const auto unquoted = [&]() -> std::optional<std::size_t> {
        if (space == w.find(" /SET")) return space;
        return std::nullopt;
    };
    if (w.hasAt(1, "\\\\") || w.hasAt(2, "\\\\")) return quotedName(w) ? 1 : unquoted();
    if (w.find("/DOMAIN:") != 0) return w.find("\"") == 9 && w.size() > 9 ? 9 : unquoted();
    if (w.find("/RTSDOMAIN:") != 0) return quotedName(w) ? 1 : unquoted();
    return std::nullopt;
}

// NET TIME: a computer or domain, then /SET.
Flow netTime(LineCheck& line) {
    WorkingText& w = line.w;
    w.removeFront(5);
    const auto target = netTimeTarget(w);
    if (!target) {
        line.warn(MessageId::NetTimeArguments);
        return Flow::EndLine;
    }
    w.removeFront(*target);
    if (w.find("/SET") != 0) colourSubcommand(line, 4);
    else line.warn(MessageId::NetTimeIncomplete);
    return Flow::EndLine;
}

// The name NET SEND sends to ends at the first space, so a name with spaces must
// be quoted, and the message text after it too. A lone quote is left alone.
Flow netSendTo(LineCheck& line, MessageId problem) {
    const WorkingText& w = line.w;
    if (w.at(1) == '"') {
        if (quotedName(w)) colourSubcommand(line, 4);
        return Flow::EndLine;
    }
    const std::size_t space = w.find(" ");
    if (space == 0 || w.at(space + 1) == '"') colourSubcommand(line, 4);
    else line.warn(problem);
    return Flow::EndLine;
}

Flow netSend(LineCheck& line) {
    WorkingText& w = line.w;
    w.removeFront(5);
    if (w.startsWith("/DOMAIN:")) {
        w.removeFront(8);
        return netSendTo(line, MessageId::NetSendDomain);
    }
    if (w.startsWith("/USERS ") || w.startsWith("*")) {
        colourSubcommand(line, 4);
        return Flow::EndLine;
    }
    return netSendTo(line, MessageId::NetSendName);
}

// A START switch counts wherever it stands after START, as a whole word (it
// ends at a blank or the end of W), so that /MAX is never taken for /M.
bool hasSwitch(const WorkingText& w, std::string_view option) {
    for (std::size_t at = w.find(option); at != 0; at = w.find(option, at + 1)) {
        const std::size_t after = at + option.size();
        if (after > w.size() || w.at(after) == ' ' || w.at(after) == '\t') return true;
    }
    return false;
}

} // namespace

// NET: "NET" is coloured whatever follows; SHARE, USE, USER and the sub-commands
// without a rule are accepted as they stand.
Flow net(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    line.colour(line.keywordColumn(), 4);
    w.removeFront(4);
    if (w.startsWith("TIME ")) return netTime(line);
    for (const NetService& service : NET_SERVICES)
        if (w.startsWith(service.word)) return netService(line, service);
    if (w.startsWith("SEND ")) return netSend(line);
    return Flow::EndLine;
}

// START takes at most one of /R, /MAX and /M, each optionally with /W.
Flow start(LineCheck& line, std::string_view) {
    int chosen = 0;
    for (std::string_view option : {" /R", " /MAX", " /M"})
        if (hasSwitch(line.w, option)) ++chosen;
    if (chosen <= 1) return line.accept(5);
    line.warn(MessageId::StartSwitches);
    return Flow::EndLine;
}

// GOTO: the rest of the line names a label above or below.
Flow gotoLabel(LineCheck& line, std::string_view) {
    line.w.removeFront(5);
    if (line.run().labelExists(line.w.text())) return line.accept(4);
    line.ask(MessageId::GotoLabel, line.w.text());
    return Flow::EndLine;
}

// SET: the variable name before the last "=" joins the variable list, in the
// line's own letter case. SET lines draw no message.
Flow set(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    line.colour(line.keywordColumn(), 3);
    const std::size_t equals = w.findLast('=', w.size() - 1);
    if (equals > 5) line.run().addVariable(w.ownCase(5, equals - 5));
    return Flow::EndLine;
}

} // namespace core::checker::rules
