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

// Document text is Windows-1252; JSON strings are UTF-8.
Json utf8Array(const std::vector<std::string>& names) {
    Json array = Json::array();
    for (const auto& name : names) array.push_back(core::text::toUtf8(name));
    return array;
}

Json fileJson(const FileReport& report, bool withSpans) {
    Json messages = Json::array();
    for (const auto& f : report.result.findings)
        messages.push_back({{"line", f.line}, {"buttons", buttonsName(f.buttons)}, {"text", f.text}});
    Json file = {{"path", report.path}, {"messages", std::move(messages)},
                 {"labels", utf8Array(report.lists.labels)}, {"variables", utf8Array(report.lists.variables)}};
    if (withSpans) {
        Json spans = Json::array();
        for (const auto& s : report.spans)
            spans.push_back({{"line", s.line + 1}, {"column", s.column + 1}, {"length", s.length},
                             {"role", roleName(s.role)}});
        file["spans"] = std::move(spans);
    }
    return file;
}

} // namespace

void writeTextReport(std::ostream& out, const FileReport& report) {
    for (const auto& f : report.result.findings) out << report.path << ':' << f.line << ": warning: " << f.text << '\n';
}

JsonReportWriter::JsonReportWriter(std::ostream& out, bool withSpans) : m_out(out), m_withSpans(withSpans) {
    m_out << "{\"files\":[";
}

void JsonReportWriter::add(const FileReport& report) {
    if (!m_first) m_out << ',';
    m_first = false;
    // A path that is not UTF-8 is written with replacement characters rather than failing.
    m_out << fileJson(report, m_withSpans).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void JsonReportWriter::finish() { m_out << "]}\n"; }

} // namespace cli
