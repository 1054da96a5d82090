#include "cli/check/check_report.h"

#include "cli/terminal_text.h"
#include "core/text/codepage.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace cli {
namespace {

using Json = nlohmann::json;

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
    case core::ports::ColourRole::String: return "string";
    case core::ports::ColourRole::Variable: return "variable";
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

// Appends `,"key":[...]`, each item written by `write`.
template <typename Items, typename Write>
void appendArray(std::string& out, std::string_view key, const Items& items, Write write) {
    out += ",\"";
    out += key;
    out += "\":[";
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ',';
        first = false;
        write(item);
    }
    out += ']';
}

void appendFile(std::string& out, const FileReport& report, bool withSpans) {
    out += "{\"path\":" + jsonString(report.path) + ",\"rules\":\"";
    out += core::checker::ruleSetName(report.rules);
    out += '"';
    appendArray(out, "messages", report.result.findings, [&](const core::checker::Finding& f) {
        out += "{\"line\":" + std::to_string(f.line) + ",\"buttons\":\"";
        out += buttonsName(f.buttons);
        out += "\",\"text\":" + jsonString(f.text) + ",\"code\":" + jsonString(f.code) + ",\"severity\":\"";
        out += core::checker::severityName(f.severity);
        out += "\",\"column\":" + std::to_string(f.column) + ",\"length\":" + std::to_string(f.length) + '}';
    });
    const auto name = [&](const std::string& n) { out += jsonString(core::text::toUtf8(n)); };
    appendArray(out, "labels", report.lists.labels, name);
    appendArray(out, "variables", report.lists.variables, name);
    if (withSpans) {
        appendArray(out, "spans", report.spans, [&](const core::ports::ColourSpan& s) {
            out += "{\"line\":" + std::to_string(s.line + 1) + ",\"column\":" + std::to_string(s.column + 1) +
                   ",\"length\":" + std::to_string(s.length) + ",\"role\":\"";
            out += roleName(s.role);
            out += "\"}";
        });
    }
    out += '}';
}

} // namespace

void writeTextReport(std::ostream& out, const FileReport& report) {
    for (const auto& f : report.result.findings)
        out << escapeControls(report.path + ':' + std::to_string(f.line) + ':' + std::to_string(f.column) + ": " +
                              std::string(core::checker::severityName(f.severity)) + ": " + f.text + " [" + f.code + "]")
            << '\n';
}

JsonReportWriter::JsonReportWriter(std::ostream& out, bool withSpans) : m_out(out), m_withSpans(withSpans) {
    m_out << "{\"files\":[";
}

// Written as it goes rather than built as one tree: a large file's report
// would otherwise be held twice.
void JsonReportWriter::add(const FileReport& report) {
    std::string out = m_first ? "" : ",";
    m_first = false;
    appendFile(out, report, m_withSpans);
    m_out << out;
}

void JsonReportWriter::finish() { m_out << "]}\n"; }

} // namespace cli
