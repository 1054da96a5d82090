#include "cli/check/check_report.h"

#include "core/text/codepage.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace cli {
namespace {

using Json = nlohmann::ordered_json;

std::string_view buttonsName(core::ports::Buttons buttons) {
    switch (buttons) {
    case core::ports::Buttons::OkAbort: return "ok-abort";
    case core::ports::Buttons::OkIgnoreAbort: return "ok-ignore-abort";
    case core::ports::Buttons::Ok: return "ok";
    case core::ports::Buttons::YesNo: return "yes-no";
    case core::ports::Buttons::YesCancel: return "yes-cancel";
    case core::ports::Buttons::YesNoCancel: return "yes-no-cancel";
    }
    return "ok";
}

std::string_view roleName(core::ports::ColourRole role) {
    switch (role) {
    case core::ports::ColourRole::Command: return "command";
    case core::ports::ColourRole::Label: return "label";
    case core::ports::ColourRole::Comment: return "comment";
    case core::ports::ColourRole::Text: return "text";
    }
    return "text";
}

// A JSON string. Texts and names are UTF-8 already (converted from the
// document's Windows-1252); a path that is not UTF-8 gets replacement characters
// rather than failing the report.
std::string jsonString(std::string_view text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void appendNames(std::string& out, std::string_view key, const std::vector<std::string>& names) {
    out += ",\"";
    out += key;
    out += "\":[";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += ',';
        out += jsonString(core::text::toUtf8(names[i]));
    }
    out += ']';
}

void appendMessages(std::string& out, const std::vector<core::checker::Finding>& findings) {
    out += ",\"messages\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const auto& f = findings[i];
        if (i > 0) out += ',';
        out += "{\"line\":" + std::to_string(f.line) + ",\"buttons\":\"";
        out += buttonsName(f.buttons);
        out += "\",\"text\":" + jsonString(f.text) + '}';
    }
    out += ']';
}

void appendSpans(std::string& out, const std::vector<core::ports::ColourSpan>& spans) {
    out += ",\"spans\":[";
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto& s = spans[i];
        if (i > 0) out += ',';
        out += "{\"line\":" + std::to_string(s.line + 1) + ",\"column\":" + std::to_string(s.column + 1) +
               ",\"length\":" + std::to_string(s.length) + ",\"role\":\"";
        out += roleName(s.role);
        out += "\"}";
    }
    out += ']';
}

} // namespace

void writeTextReport(std::ostream& out, const FileReport& report) {
    for (const auto& f : report.result.findings) out << report.path << ':' << f.line << ": warning: " << f.text << '\n';
}

JsonReportWriter::JsonReportWriter(std::ostream& out, bool withSpans) : m_out(out), m_withSpans(withSpans) {
    m_out << "{\"files\":[";
}

// Written as it goes rather than built as one tree: a large file's report
// would otherwise be held twice.
void JsonReportWriter::add(const FileReport& report) {
    std::string out = m_first ? "{\"path\":" : ",{\"path\":";
    m_first = false;
    out += jsonString(report.path);
    appendMessages(out, report.result.findings);
    appendNames(out, "labels", report.lists.labels);
    appendNames(out, "variables", report.lists.variables);
    if (m_withSpans) appendSpans(out, report.spans);
    out += '}';
    m_out << out;
}

void JsonReportWriter::finish() { m_out << "]}\n"; }

} // namespace cli
