// FOR and IF heads. Each takes its head off the working text and hands the
// command after it back to the chain; a malformed head is reported and, on OK,
// the chain goes on with whatever the failed step left.
#include "core/checker/rules.h"

namespace core::checker::rules {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Scans the file list of a FOR head. Unquoted names are separated by spaces,
// except that one space before a later backslash is taken as the separator of a
// path ("C:\MY DIR\A.TXT" passes); a token left with spaces counted is reported.
// Every round removes at least one character or ends the scan, so it always
// ends, and each token is reported at most once:
// - a double quote inside a token ends that token; the text from the quote on
//   is then scanned as a quoted name;
// - a quoted name without its closing quote ends the scan of the list.
void scanFileList(LineCheck& line, std::string_view list) {
    while (!list.empty()) {
        if (list.front() == '"') {
            const auto close = list.find('"', 1);
            if (close == std::string_view::npos) return;
            list.remove_prefix(close + 1);
            continue;
        }
        if (list.front() == ' ') {
            list.remove_prefix(1);
            continue;
        }
        std::size_t spaces = 0;
        std::size_t taken = list.size();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] == ' ') ++spaces;
            else if (list[i] == '"') { taken = i; break; }
            else if (list[i] == '\\' && spaces > 0) { taken = i; --spaces; break; }
        }
        list.remove_prefix(taken);
        if (spaces > 0 && !line.warn(MessageId::ForFileName)) return;
    }
}

// The FOR head once "FOR " is gone: %%V, IN, the bracketed file list and DO.
// A failed step is reported and leaves W as it stands.
void forHeadSteps(LineCheck& line) {
    WorkingText& w = line.w;
    if (!(w.at(1) == '%' && w.at(2) == '%' && w.at(4) == ' ')) {
        line.warn(MessageId::ForVariable);
        return;
    }
    w.removeFront(4);
    if (!w.startsWith("IN")) {
        line.warn(MessageId::ForIn);
        return;
    }
    const std::size_t bracket = w.at(3) == '(' ? 3 : w.at(4) == '(' ? 4 : 0;
    if (bracket == 0) {
        line.warn(MessageId::ForBrackets);
        return;
    }
    const std::size_t close = w.find(")");
    if (close > bracket + 1) scanFileList(line, std::string_view(w.text()).substr(bracket, close - bracket - 1));
    if (line.run().aborted()) return;
    const std::size_t doAt = w.find("DO");
    if (doAt != close + 1 && doAt != close + 2) {
        line.warn(MessageId::ForDo);
        return;
    }
    line.colour(line.keywordColumn(), 3);     // FOR
    line.colour(line.keywordColumn() + 8, 2); // IN
    line.colour(w.frontColumn() + doAt - 1, 2);
    w.removeFront(doAt + 2);
    line.moveKeywordColumnToFront();
}

// Position of the word NOT (" NOT" followed by a blank or the end of W), so
// that a name such as NOTES.TXT is not taken for it; 0 when absent.
std::size_t wordNot(const WorkingText& w) {
    for (std::size_t at = w.find(" NOT"); at != 0; at = w.find(" NOT", at + 1))
        if (at + 4 > w.size() || isBlank(w.at(at + 4))) return at;
    return 0;
}

// Removes W up to and including its first space, unless that space is its last
// character or there is none.
void removeThroughFirstSpace(WorkingText& w) {
    const std::size_t space = w.find(" ");
    if (space != 0 && space < w.size()) w.removeFront(space);
}

// IF [NOT] EXIST name: takes the condition off W, a quoted name with its quotes.
void removeExistCondition(WorkingText& w, std::size_t notLength) {
    const std::size_t quote = w.find("\"");
    if (quote == 10 || quote == 14) {
        w.removeFront(10 + notLength);
        const std::size_t close = w.find("\"");
        if (close != 0 && close < w.size()) w.removeFront(close + 1);
        return;
    }
    w.removeFront(9 + notLength);
    removeThroughFirstSpace(w);
}

bool isErrorlevelTest(const WorkingText& w) {
    for (std::size_t at : {3, 7})
        if (w.hasAt(at, " ERRORLEVEL ") || w.hasAt(at, " ERRORLEVEL==")) return true;
    return false;
}

} // namespace

Flow forHead(LineCheck& line, std::string_view) {
    line.w.removeFront(4);
    forHeadSteps(line);
    return Flow::Next;
}

Flow ifHead(LineCheck& line, std::string_view) {
    WorkingText& w = line.w;
    const std::size_t notAt = wordNot(w);
    if (notAt > 3) {
        line.warn(MessageId::IfNot);
        return Flow::Next;
    }
    const std::size_t notLength = notAt == 3 ? 4 : 0;
    std::size_t head = 2 + notLength;
    const bool errorlevel = isErrorlevelTest(w);
    const std::size_t equals = w.find("==");
    if (equals > 3 && !errorlevel) {
        w.removeFront(equals + 1);
        removeThroughFirstSpace(w);
    }
    if (w.hasAt(3, " EXIST ") || w.hasAt(7, " EXIST ")) {
        removeExistCondition(w, notLength);
        head += 6;
    }
    if (errorlevel) {
        w.removeFront(15 + notLength);
        removeThroughFirstSpace(w);
        head += 11;
    }
    line.colour(line.keywordColumn(), head);
    line.moveKeywordColumnToFront();
    return Flow::Next;
}

} // namespace core::checker::rules
