#include "core/cmdcheck/code_help.h"

#include "core/text/codepage.h"

namespace core::cmdcheck {
namespace {

void indented(std::string& out, std::string_view lines) {
    std::size_t from = 0;
    while (from <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', from), lines.size());
        out += "    ";
        out.append(lines.substr(from, end - from));
        out += '\n';
        from = end + 1;
    }
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

} // namespace

const CodeHelp* codeHelp(std::string_view code) {
    for (const auto& help : allCodeHelp())
        if (text::equalsIgnoreCase(help.code, code)) return &help;
    return nullptr;
}

std::string explainText(const CodeHelp& help) {
    std::string out;
    out.append(help.code).append(" (").append(help.rules).append(" rules): ").append(help.title).append("\n\n");
    out.append(help.meaning).append("\n\nFires:\n");
    indented(out, help.fires);
    out += "\nDoes not fire:\n";
    indented(out, help.passes);
    out.append("\nFix: ").append(help.fix).append("\n");
    return out;
}

std::string helpPageAnchor(const CodeHelp& help) {
    std::string anchor = "codes.html#";
    for (char c : help.code) anchor += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return anchor;
}

std::string codeHelpPage() {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>Finding codes explained</title>\n<link rel=\"stylesheet\" href=\"help.css\">\n</head>\n<body>\n"
                      "<h1>Finding codes explained</h1>\n<p>Every finding of a syntax check has a code: Q0xx for the classic "
                      "rules, Q1xx for the Windows command interpreter rules. <code>qlt explain CODE</code> shows the same "
                      "text. A comment <code>REM qlt: disable=Q101</code> silences a code on the next line, or in the whole "
                      "file when it stands before the first command.</p>\n";
    for (const auto& help : allCodeHelp()) {
        const std::string anchor = helpPageAnchor(help);
        out.append("<h2 id=\"").append(anchor.substr(anchor.find('#') + 1)).append("\">");
        out.append(help.code).append(": ").append(escaped(help.title)).append("</h2>\n<p>");
        out.append(escaped(help.meaning)).append("</p>\n<p>Gets it:</p>\n<pre>");
        out.append(escaped(help.fires)).append("</pre>\n<p>Does not:</p>\n<pre>");
        out.append(escaped(help.passes)).append("</pre>\n<p>Fix: ");
        out.append(escaped(help.fix)).append("</p>\n");
    }
    return out + "</body>\n</html>\n";
}

} // namespace core::cmdcheck
