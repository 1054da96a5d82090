#include "cli/check/sarif_report.h"

#include "cli/check/check_report.h"
#include "core/cmdcheck/code_help.h"
#include "core/version.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

using Json = nlohmann::json;

std::string_view level(core::checker::Severity severity) {
    switch (severity) {
    case core::checker::Severity::Error: return "error";
    case core::checker::Severity::Warning: return "warning";
    case core::checker::Severity::Info: return "note";
    }
    return "warning";
}

std::string dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

// Every code with its help topic; a result names its rule by index into this table.
Json ruleTable() {
    Json rules = Json::array();
    for (const auto& help : core::cmdcheck::allCodeHelp())
        rules.push_back({{"id", help.code},
                         {"shortDescription", {{"text", help.title}}},
                         {"fullDescription", {{"text", help.meaning}}},
                         {"help", {{"text", core::cmdcheck::explainText(help)}}}});
    return rules;
}

std::size_t ruleIndex(const std::string& code) {
    const auto topics = core::cmdcheck::allCodeHelp();
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].code == code) return i;
    return topics.size();
}

Json result(const std::string& uri, const core::checker::Finding& f) {
    Json region = {{"startLine", f.line}, {"startColumn", f.column}};
    if (f.length > 0) region["endColumn"] = f.column + f.length;
    Json out = {{"ruleId", f.code},
                {"level", level(f.severity)},
                {"message", {{"text", f.text}}},
                {"locations", {{{"physicalLocation", {{"artifactLocation", {{"uri", uri}}}, {"region", region}}}}}}};
    if (const std::size_t index = ruleIndex(f.code); index < core::cmdcheck::allCodeHelp().size()) out["ruleIndex"] = index;
    return out;
}

bool keptInUri(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~/!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string artifactUri(const std::string& path) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string uri = !path.empty() && path.front() == '/' ? "file://" : "";
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptInUri(c)) {
            uri += ch;
        } else {
            uri += '%';
            uri += HEX[c >> 4];
            uri += HEX[c & 15];
        }
    }
    // A relative path whose first segment holds a colon would read as a scheme.
    if (uri.find(':') < uri.find('/') && uri.compare(0, 5, "file:") != 0) uri = "./" + uri;
    return uri;
}

namespace {

// One run: the tool with its rule table, then a result per finding.
class SarifFormatter : public ReportFormatter {
public:
    std::string head() const override {
        const Json driver = {{"name", "qlt"}, {"version", core::PRODUCT_VERSION}, {"rules", ruleTable()}};
        return R"({"$schema":"https://json.schemastore.org/sarif-2.1.0.json","version":"2.1.0","runs":[{"tool":)" +
               dump({{"driver", driver}}) + R"(,"columnKind":"utf16CodeUnits","results":[)";
    }
    std::string_view separator() const override { return ","; }
    std::string_view tail() const override { return "]}]}\n"; }
    std::string_view itemSeparator() const override { return ","; }
    void finding(std::string& out, const std::string& path, const core::checker::Finding& f) const override {
        out += dump(result(artifactUri(path), f));
    }
};

} // namespace

std::unique_ptr<ReportFormatter> makeSarifFormatter() { return std::make_unique<SarifFormatter>(); }

} // namespace cli
