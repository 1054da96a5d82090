#pragma once
// The rules of the chain. Each gets the line under test and the word of the
// chain step that matched it; it either ends the line (accepted or reported)
// or lets the chain go on with what it left of the working text.
#include "core/checker/check_run.h"

#include <string_view>

namespace core::checker::rules {

// Whole-line steps and the end of the chain.
Flow comment(LineCheck& line, std::string_view word);
Flow echo(LineCheck& line, std::string_view word);
Flow morePipe(LineCheck& line, std::string_view word);
Flow redirection(LineCheck& line, std::string_view word);
Flow unrecognised(LineCheck& line, std::string_view word);

// Commands accepted without a test.
Flow acceptedUncoloured(LineCheck& line, std::string_view word);
Flow acceptedWord(LineCheck& line, std::string_view word);
Flow acceptedLfnfor(LineCheck& line, std::string_view word);

// FOR and IF heads: they consume the head and let the chain go on.
Flow forHead(LineCheck& line, std::string_view word);
Flow ifHead(LineCheck& line, std::string_view word);

// File commands.
Flow cd(LineCheck& line, std::string_view word);
Flow dir(LineCheck& line, std::string_view word);
Flow del(LineCheck& line, std::string_view word);
Flow deltree(LineCheck& line, std::string_view word);
Flow copy(LineCheck& line, std::string_view word);
Flow move(LineCheck& line, std::string_view word);
Flow rename(LineCheck& line, std::string_view word);
Flow type(LineCheck& line, std::string_view word);
Flow mkdir(LineCheck& line, std::string_view word);
Flow md(LineCheck& line, std::string_view word);

// Network, START, GOTO and SET.
Flow net(LineCheck& line, std::string_view word);
Flow start(LineCheck& line, std::string_view word);
Flow gotoLabel(LineCheck& line, std::string_view word);
Flow set(LineCheck& line, std::string_view word);

} // namespace core::checker::rules
