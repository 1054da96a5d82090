#include "cli/check/check_report.h"

#include "cli/terminal_text.h"
#include "core/text/codepage.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>
#include <cstring>

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

void appendNumber(std::string& out, std::size_t value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Whether any of eight bytes is a control character, '"' or '\\'.
bool needsEscape(const char* bytes) {
    constexpr std::uint64_t ONES = 0x0101010101010101;
    constexpr std::uint64_t HIGH = ONES * 0x80;
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, 8);
    const auto zeroByte = [&](std::uint64_t x) { return (x - ONES) & ~x & HIGH; };
    const std::uint64_t control = (word - ONES * 0x20) & ~word & HIGH; // a byte below 0x20
    return (control | zeroByte(word ^ (ONES * '"')) | zeroByte(word ^ (ONES * '\\'))) != 0;
}

// Whether a text holds a control character as escapeControls sees one: a
// byte below 0x20 but tab, DEL, or a C1 control in UTF-8 (0xC2 0x80-0x9F).
// Words of eight bytes without any such lead byte are passed over at once.
bool holdsControls(std::string_view text) {
    constexpr std::uint64_t ONES = 0x0101010101010101;
    constexpr std::uint64_t HIGH = ONES * 0x80;
    const auto zeroByte = [&](std::uint64_t x) { return (x - ONES) & ~x & HIGH; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, 8);
            const std::uint64_t below = (word - ONES * 0x20) & ~word & HIGH;
            if ((below | zeroByte(word ^ (ONES * 0x7F)) | zeroByte(word ^ (ONES * 0xC2))) != 0) break;
        }
        if (i >= text.size()) break;
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if ((c < 0x20 && c != '\t') || c == 0x7F || c1) return true;
    }
    return false;
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

// One line per finding: `PATH:LINE:COLUMN: SEVERITY: TEXT [CODE]`.
class TextFormatter : public ReportFormatter {
public:
    // Control characters (from a path or the line's text) are shown escaped.
    void finding(std::string& out, const std::string& path, const core::checker::Finding& f) const override {
        const std::size_t start = out.size();
        out += path;
        out += ':';
        appendNumber(out, f.line);
        out += ':';
        appendNumber(out, f.column);
        out += ": ";
        out += core::checker::severityName(f.severity);
        out += ": ";
        out += f.text;
        out += " [";
        out += f.code;
        out += ']';
        if (holdsControls(std::string_view(out).substr(start))) {
            const std::string line = out.substr(start);
            out.resize(start);
            out += escapeControls(line);
        }
        out += '\n';
    }
};

// {"files":[{"path":P,"rules":R,"messages":[...],"labels":[...],"variables":[...],"spans":[...]}]}
class JsonFormatter : public ReportFormatter {
public:
    explicit JsonFormatter(bool spans) : m_spans(spans) {}
    std::string head() const override { return "{\"files\":["; }
    std::string_view separator() const override { return ","; }
    std::string_view tail() const override { return "]}\n"; }

    // A path that is not UTF-8 gets replacement characters rather than failing the report.
    void beginFile(std::string& out, const std::string& path, core::checker::RuleSet rules) const override {
        out += "{\"path\":";
        out += Json(path).dump(-1, ' ', false, Json::error_handler_t::replace);
        out += ",\"rules\":\"";
        out += core::checker::ruleSetName(rules);
        out += "\",\"messages\":[";
    }
    std::string_view itemSeparator() const override { return ","; }
    void finding(std::string& out, const std::string&, const core::checker::Finding& f) const override {
        out += "{\"line\":";
        appendNumber(out, f.line);
        out += ",\"buttons\":\"";
        out += buttonsName(f.buttons);
        out += "\",\"text\":";
        appendJsonString(out, f.text);
        out += ",\"code\":";
        appendJsonString(out, f.code);
        out += ",\"severity\":\"";
        out += core::checker::severityName(f.severity);
        out += "\",\"column\":";
        appendNumber(out, f.column);
        out += ",\"length\":";
        appendNumber(out, f.length);
        out += '}';
    }
    void endFile(std::string& out, const FileEnd& end) const override {
        out += ']';
        const auto name = [&](const std::string& n) { appendJsonString(out, core::text::toUtf8(n)); };
        appendArray(out, "labels", end.lists.labels, name);
        appendArray(out, "variables", end.lists.variables, name);
        if (m_spans) {
            appendArray(out, "spans", end.spans, [&](const core::ports::ColourSpan& s) {
                out += "{\"line\":";
                appendNumber(out, s.line + 1);
                out += ",\"column\":";
                appendNumber(out, s.column + 1);
                out += ",\"length\":";
                appendNumber(out, s.length);
                out += ",\"role\":\"";
                out += roleName(s.role);
                out += "\"}";
            });
        }
        out += '}';
    }

private:
    bool m_spans;
};

} // namespace

void appendJsonString(std::string& out, std::string_view utf8) {
    static constexpr char HEX[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0; // start of the run not yet copied
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // Whole words without a byte to escape go by eight at a time.
        while (i + 8 <= utf8.size() && !needsEscape(utf8.data() + i)) i += 8;
        if (i >= utf8.size()) break;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(utf8.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            out += "\\u00";
            out += HEX[c >> 4];
            out += HEX[c & 15];
        }
    }
    out.append(utf8.substr(plain));
    out += '"';
}

std::unique_ptr<ReportFormatter> makeFormatter(ReportFormat format, bool spans) {
    switch (format) {
    case ReportFormat::Json: return std::make_unique<JsonFormatter>(spans);
    case ReportFormat::Sarif: return makeSarifFormatter();
    case ReportFormat::Text:
    case ReportFormat::Gcc:
    case ReportFormat::Diff: return std::make_unique<TextFormatter>();
    }
    return std::make_unique<TextFormatter>();
}

} // namespace cli
