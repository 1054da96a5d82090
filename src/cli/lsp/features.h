#pragma once
// The answers of the language server, each from a document and the request's
// parameters to the protocol's JSON. Positions in and out are the protocol's:
// 0-based lines, UTF-16 code units.
#include "cli/lsp/text_document.h"
#include "core/checker/rule_set.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli::lsp {

using Json = nlohmann::json;

//! The findings of a check of the document under the rule choice.
std::vector<core::checker::Finding> lintDocument(const TextDocument& doc, core::checker::RuleChoice choice);
//! The findings as the protocol's Diagnostic[].
Json diagnostics(const TextDocument& doc, const std::vector<core::checker::Finding>& findings);

//! DocumentSymbol[]: the labels.
Json documentSymbols(const TextDocument& doc);
//! Location of the label a GOTO or CALL names at the position; null elsewhere.
Json definition(const TextDocument& doc, const std::string& uri, const Json& position);
//! Location[] of the jumps to the label at the position, its definition too when asked.
Json references(const TextDocument& doc, const std::string& uri, const Json& position, bool withDeclaration);

//! How the client wants hover text: markdown only when it offers markdown first.
enum class TextFormat { Plain, Markdown };
//! The help of a command word, or the explanation of the findings on the position; null when neither.
Json hover(const TextDocument& doc, const std::vector<core::checker::Finding>& findings, const Json& position,
           TextFormat format);
//! CompletionItem[]: labels after GOTO / CALL :, variables inside %...%, command words at a command's place.
Json completion(const TextDocument& doc, const Json& position);

} // namespace cli::lsp
