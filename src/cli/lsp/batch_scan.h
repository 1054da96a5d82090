#pragma once
// What the editor features need to know of a batch file, found by scanning its
// lines (one byte per character): label lines, the GOTO and CALL that name a
// label, variables SET assigns, and what the caret stands in. Columns are
// 0-based characters.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli::lsp {

//! A name on a line: a label at its definition or where it is jumped to.
struct NamePlace {
    std::size_t line = 0;
    std::size_t column = 0; //!< of the name, after the colon
    std::string name;       //!< as written
};

//! Lines ":NAME" (blanks before the colon allowed; "::" comments are none).
std::vector<NamePlace> labelDefinitions(const std::vector<std::string>& lines);
//! Every label named by `GOTO NAME`, `GOTO :NAME` or `CALL :NAME`.
std::vector<NamePlace> labelReferences(const std::vector<std::string>& lines);
//! Names given a value by SET (also SET /A and SET /P), each once, first spelling kept.
std::vector<std::string> setVariables(const std::vector<std::string>& lines);

//! What a completion at a place should offer.
enum class CompletionContext { None, Label, Variable, Command };
CompletionContext completionContext(std::string_view line, std::size_t column);

//! The label named at a place, definition or reference; nothing elsewhere.
std::optional<NamePlace> labelAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column);
//! The word (letters, digits and "_-.") around a column, and where it starts.
std::optional<NamePlace> wordAt(const std::vector<std::string>& lines, std::size_t line, std::size_t column);
//! Whether a word has the shape of a finding's code: a capital letter and digits ("Q001").
bool looksLikeCode(std::string_view word);

//! Labels compare without regard to letter case.
bool sameName(std::string_view a, std::string_view b);

} // namespace cli::lsp
