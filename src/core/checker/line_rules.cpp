// Steps of the chain that concern the whole line: comments, ECHO, the MORE
// pipe and redirection that the command rules must not see, the commands
// accepted without a test, and the unrecognised command at the end.
#include "core/checker/rules.h"

namespace core::checker::rules {

Flow comment(LineCheck& line, std::string_view) {
    line.colour(line.keywordColumn(), line.lineLength() - line.keywordColumn(), ports::ColourRole::Comment);
    return Flow::EndLine;
}

Flow echo(LineCheck& line, std::string_view) { return line.accept(4); }

Flow morePipe(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    const std::size_t bar = w.findLast('|', w.size() - 1);
    std::size_t length = 0;
    if (w.at(bar + 1) == 'M') length = 5;      // "|MORE"
    else if (w.at(bar + 2) == 'M') length = 6; // "| MORE"
    else return Flow::Next;
    line.colour(w.frontColumn() + bar - 1, length);
    if (w.at(bar - 1) == ' ') w.erase(bar - 1, length + 1);
    else w.erase(bar, length);
    return Flow::Next;
}

Flow redirection(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    const std::size_t op = w.find(">");
    const std::size_t quote = w.find("\"", op);
    const bool quoted = quote != 0 && quote < w.size() && w.find("\"", quote + 1) != 0;
    if (!quoted) {
        // The target starts after the operator (">" or ">>") and its blanks; a
        // space inside it splits the file name for the command interpreter.
        std::size_t target = op + 1;
        if (w.at(target) == '>') ++target;
        while (w.at(target) == ' ' || w.at(target) == '\t') ++target;
        if (w.spaceCount(target) > 0 && !line.warn(MessageId::Redirection)) return Flow::EndLine;
    }
    w.truncate(w.at(op - 1) == ' ' ? op - 1 : op);
    return Flow::Next;
}

Flow unrecognised(LineCheck& line, std::string_view) {
    const std::string& text = line.w.text();
    if (line.run().isIgnored(text)) return Flow::EndLine;
    if (line.ask(MessageId::Unrecognised, text) == ports::Answer::Ignore) line.run().ignore(text);
    return Flow::EndLine;
}

Flow acceptedUncoloured(LineCheck&, std::string_view) { return Flow::EndLine; }

Flow acceptedWord(LineCheck& line, std::string_view word) { return line.accept(word.size()); }

Flow acceptedLfnfor(LineCheck& line, std::string_view) { return line.accept(6); }

} // namespace core::checker::rules
