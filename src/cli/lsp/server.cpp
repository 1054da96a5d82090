#include "cli/lsp/server.h"

#include "cli/lsp/message.h"
#include "cli/lsp/editing.h"
#include "core/version.h"

#include <stdexcept>

namespace cli::lsp {
namespace {

// JSON-RPC and protocol error codes.
constexpr int INVALID_REQUEST = -32600;
constexpr int METHOD_NOT_FOUND = -32601;
constexpr int INVALID_PARAMS = -32602;
constexpr int SERVER_NOT_INITIALIZED = -32002;
constexpr int LOG_ERROR = 1;
constexpr int MESSAGE_WARNING = 2;

Json response(const Json& id, Json result) { return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}}; }

Json errorResponse(const Json& id, int code, const std::string& message) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

Json notify(const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

Json capabilities() {
    return {{"textDocumentSync", {{"openClose", true}, {"change", 1}, {"save", {{"includeText", false}}}}},
            {"documentSymbolProvider", true},
            {"definitionProvider", true},
            {"referencesProvider", true},
            {"hoverProvider", true},
            {"completionProvider", {{"triggerCharacters", {":", "%"}}}},
            {"codeActionProvider", {{"codeActionKinds", {"quickfix", "source.fixAll"}}}},
            {"renameProvider", true},
            {"documentHighlightProvider", true}};
}

// The spellings of `qlt check --rules` and the longer "automatic".
std::optional<core::checker::RuleChoice> ruleChoice(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    const auto name = value.get<std::string>();
    if (name == "classic") return core::checker::RuleChoice::Classic;
    if (name == "cmd") return core::checker::RuleChoice::Cmd;
    if (name == "auto" || name == "automatic") return core::checker::RuleChoice::Automatic;
    return std::nullopt;
}

// Markdown when the client lists it first among the hover formats it takes.
TextFormat hoverFormat(const Json& initializeParams) {
    const Json formats = initializeParams.value("/capabilities/textDocument/hover/contentFormat"_json_pointer, Json());
    const bool markdown = formats.is_array() && !formats.empty() && formats[0] == "markdown";
    return markdown ? TextFormat::Markdown : TextFormat::Plain;
}

// The version a client gave a text; null when it gave none.
Json versionOf(const Json& textDocument) {
    const Json version = textDocument.value("version", Json());
    return version.is_number_integer() ? version : Json();
}

std::string uriOf(const Json& params) { return params.at("textDocument").at("uri").get<std::string>(); }

std::string encode(const Json& message) { return frame(message.dump(-1, ' ', false, Json::error_handler_t::replace)); }

} // namespace

std::string Server::receive(std::string_view bytes, Clock::time_point now) {
    m_reader.feed(bytes);
    Out out;
    while (!m_exitCode) {
        auto next = m_reader.next();
        if (!next) break;
        if (next->error.empty()) handle(next->body, now, out);
        else out.push_back(notify("window/logMessage", {{"type", LOG_ERROR}, {"message", "qlt: " + next->error}}));
    }
    std::string bytesOut;
    for (const auto& message : out) bytesOut += encode(message);
    return bytesOut;
}

std::string Server::tick(Clock::time_point now) {
    std::string out;
    for (auto& [uri, doc] : m_documents)
        if (doc.due && *doc.due <= now) out += encode(publish(uri, doc));
    return out;
}

std::optional<Clock::time_point> Server::nextDue() const {
    std::optional<Clock::time_point> next;
    for (const auto& [uri, doc] : m_documents)
        if (doc.due && (!next || *doc.due < *next)) next = doc.due;
    return next;
}

void Server::handle(std::string_view body, Clock::time_point now, Out& out) {
    auto parsed = parseMessage(body);
    if (const auto* refusal = std::get_if<Refusal>(&parsed))
        return out.push_back(errorResponse(nullptr, refusal->code, refusal->message));
    const Json message = std::move(std::get<Json>(parsed));
    const Json id = message.is_object() && message.contains("id") ? message["id"] : Json();
    const bool validId = id.is_null() || id.is_number_integer() || id.is_string();
    if (!message.is_object() || !validId) return out.push_back(errorResponse(nullptr, INVALID_REQUEST, "not a request"));
    if (!message.contains("method") || !message["method"].is_string()) {
        // A response to a request of ours (none are sent) needs no answer.
        if (!message.contains("result") && !message.contains("error"))
            out.push_back(errorResponse(id, INVALID_REQUEST, "no method"));
        return;
    }
    const Json params = message.contains("params") ? message["params"] : Json::object();
    const std::string method = message["method"];
    try {
        dispatch(method, id, params, now, out);
    } catch (const std::exception& e) { // a parameter of the wrong shape or type
        if (message.contains("id")) out.push_back(errorResponse(id, INVALID_PARAMS, e.what()));
    }
}

void Server::dispatch(const std::string& method, const Json& id, const Json& params, Clock::time_point now,
                      Out& out) {
    if (id.is_null()) {
        // After shutdown only `exit` still counts.
        if (method == "exit" || (m_initialized && !m_shutdown)) notification(method, params, now, out);
        return;
    }
    if (method == "initialize") {
        if (m_initialized) return out.push_back(errorResponse(id, INVALID_REQUEST, "initialized already"));
        return initialize(id, params, out);
    }
    if (!m_initialized) return out.push_back(errorResponse(id, SERVER_NOT_INITIALIZED, "initialize first"));
    if (m_shutdown) return out.push_back(errorResponse(id, INVALID_REQUEST, "shut down"));
    if (method == "shutdown") {
        m_shutdown = true;
        return out.push_back(response(id, nullptr));
    }
    if (auto result = answer(method, params)) return out.push_back(response(id, std::move(*result)));
    out.push_back(errorResponse(id, METHOD_NOT_FOUND, "unknown method " + method));
}

std::optional<Json> Server::answer(const std::string& method, const Json& params) {
    if (!method.starts_with("textDocument/")) return std::nullopt;
    const std::string feature = method.substr(13);
    if (feature != "documentSymbol" && feature != "definition" && feature != "references" && feature != "hover" &&
        feature != "completion" && feature != "codeAction" && feature != "rename" && feature != "documentHighlight")
        return std::nullopt;
    const std::string uri = uriOf(params);
    const auto found = m_documents.find(uri);
    if (found == m_documents.end()) throw std::invalid_argument("document not open: " + uri);
    const Document& doc = found->second;
    if (feature == "documentSymbol") return documentSymbols(doc.text);
    if (feature == "codeAction") return codeActions(doc.text, uri, m_rules, params);
    if (feature == "rename") return rename(doc.text, uri, params.at("position"), params.at("newName").get<std::string>());
    if (feature == "documentHighlight") return documentHighlights(doc.text, params.at("position"));
    const Json& position = params.at("position");
    if (feature == "definition") return definition(doc.text, uri, position);
    if (feature == "hover") return hover(doc.text, doc.findings, position, m_hoverFormat);
    if (feature == "completion") return completion(doc.text, position);
    const bool withDeclaration = params.value("/context/includeDeclaration"_json_pointer, false);
    return references(doc.text, uri, position, withDeclaration);
}

void Server::notification(const std::string& method, const Json& params, Clock::time_point now, Out& out) {
    if (method == "exit") {
        m_exitCode = m_shutdown ? 0 : 1;
    } else if (method == "textDocument/didOpen") {
        const std::string uri = uriOf(params);
        const Json& textDocument = params.at("textDocument");
        TextDocument text(textDocument.at("text").get<std::string>());
        Document& doc = m_documents[uri];
        doc.text = std::move(text);
        doc.version = versionOf(textDocument);
        out.push_back(publish(uri, doc));
    } else if (method == "textDocument/didChange") {
        Document& doc = documentOf(params);
        // Full synchronisation: the last change holds the whole text.
        const Json& changes = params.at("contentChanges");
        if (!changes.empty()) doc.text = TextDocument(changes.back().at("text").get<std::string>());
        doc.version = versionOf(params.at("textDocument"));
        doc.due = now + DEBOUNCE;
    } else if (method == "textDocument/didSave") {
        out.push_back(publish(uriOf(params), documentOf(params)));
    } else if (method == "textDocument/didClose") {
        const std::string uri = uriOf(params);
        m_documents.erase(uri);
        out.push_back(notify("textDocument/publishDiagnostics", {{"uri", uri}, {"diagnostics", Json::array()}}));
    } else if (method == "workspace/didChangeConfiguration") {
        readSettings(params.value("settings", Json::object()), out);
        for (auto& [uri, doc] : m_documents) out.push_back(publish(uri, doc));
    }
}

void Server::initialize(const Json& id, const Json& params, Out& out) {
    m_initialized = true;
    if (params.is_object()) m_hoverFormat = hoverFormat(params);
    out.push_back(response(id, {{"capabilities", capabilities()},
                                {"serverInfo", {{"name", "qlt"}, {"version", core::PRODUCT_VERSION}}}}));
    if (params.is_object() && params.contains("initializationOptions")) readSettings(params["initializationOptions"], out);
}

// The rules come as {"rules": NAME}, or inside a "quillet" section; a name
// not understood keeps the rules as they were and is said.
void Server::readSettings(const Json& settings, Out& out) {
    if (!settings.is_object()) return;
    const Json& section = settings.contains("quillet") ? settings["quillet"] : settings;
    if (!section.is_object() || !section.contains("rules")) return;
    if (const auto choice = ruleChoice(section["rules"])) {
        m_rules = *choice;
        return;
    }
    out.push_back(notify("window/showMessage",
                         {{"type", MESSAGE_WARNING},
                          {"message", "qlt: the setting rules is " + section["rules"].dump() +
                                          "; it takes \"auto\" (or \"automatic\"), \"classic\" or \"cmd\""}}));
}

Json Server::publish(const std::string& uri, Document& doc) {
    doc.findings = lintDocument(doc.text, m_rules);
    doc.due.reset();
    Json params = {{"uri", uri}, {"diagnostics", diagnostics(doc.text, doc.findings)}};
    if (!doc.version.is_null()) params["version"] = doc.version;
    return notify("textDocument/publishDiagnostics", std::move(params));
}

Server::Document& Server::documentOf(const Json& params) {
    const auto found = m_documents.find(uriOf(params));
    if (found == m_documents.end()) throw std::invalid_argument("document not open");
    return found->second;
}

} // namespace cli::lsp
