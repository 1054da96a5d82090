#include "core/cmdcheck/code_help.h"

#include "core/cmdcheck/findings.h"
#include "core/text/codepage.h"

namespace core::cmdcheck {
namespace {

void indented(std::string& out, std::string_view lines) {
    std::size_t from = 0;
    while (from <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', from), lines.size());
        out += "    ";
        out += text::toUtf8(lines.substr(from, end - from));
        out += '\n';
        from = end + 1;
    }
}

// The documents, each line indented, a blank line between two.
void indented(std::string& out, const std::vector<std::string_view>& documents) {
    for (std::size_t i = 0; i < documents.size(); ++i) {
        if (i > 0) out += '\n';
        indented(out, documents[i]);
    }
}

// The documents (Windows-1252) in UTF-8, a blank line between two.
std::string separated(const std::vector<std::string_view>& documents) {
    std::string out;
    for (const auto document : documents) out.append(out.empty() ? "" : "\n\n").append(text::toUtf8(document));
    return out;
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

std::vector<std::string_view> firesOf(const CodeHelp& help) {
    if (const CodeDef* rule = codeDefOf(help.code); rule != nullptr && help.rules == "cmd") {
        std::vector<std::string_view> documents;
        for (const auto& example : rule->firesOn) documents.push_back(example.text);
        return documents;
    }
    return {help.fires};
}

std::vector<std::string_view> passesOf(const CodeHelp& help) {
    if (const CodeDef* rule = codeDefOf(help.code); rule != nullptr && help.rules == "cmd")
        return {rule->quietOn.begin(), rule->quietOn.end()};
    return {help.passes};
}

std::string explainText(const CodeHelp& help) {
    std::string out;
    out.append(help.code).append(" (").append(help.rules).append(" rules): ").append(help.title).append("\n\n");
    out.append(help.meaning).append("\n\nFires:\n");
    indented(out, firesOf(help));
    out += "\nDoes not fire:\n";
    indented(out, passesOf(help));
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
        out.append(escaped(separated(firesOf(help)))).append("</pre>\n<p>Does not:</p>\n<pre>");
        out.append(escaped(separated(passesOf(help)))).append("</pre>\n<p>Fix: ");
        out.append(escaped(help.fix)).append("</p>\n");
    }
    return out + "</body>\n</html>\n";
}

} // namespace core::cmdcheck
