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

std::string helpPageName(const CodeHelp& help) {
    std::string name = "code-";
    for (char c : help.code) name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name + ".html";
}

std::string explainHtml(const CodeHelp& help) {
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
    out.append(help.code).append(" ").append(escaped(help.title));
    out += "</title><link rel=\"stylesheet\" href=\"help.css\"></head>\n<body>\n<h1>";
    out.append(help.code).append(": ").append(escaped(help.title)).append("</h1>\n<p>");
    out.append(escaped(help.meaning)).append("</p>\n<h2>Gets the message</h2>\n<pre>");
    out.append(escaped(help.fires)).append("</pre>\n<h2>Does not</h2>\n<pre>");
    out.append(escaped(help.passes)).append("</pre>\n<h2>How to fix it</h2>\n<p>");
    out.append(escaped(help.fix)).append("</p>\n</body></html>\n");
    return out;
}

} // namespace core::cmdcheck
