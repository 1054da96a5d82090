#pragma once
// The fuzzed entry points, one per parser. libfuzzer_entry.cpp turns one of
// them into a libFuzzer target; the tests replay each one over its corpus.
// Every entry returns 0 and stops the process (a trap) when an input breaks
// a rule that must hold for every input.
#include <cstddef>
#include <cstdint>

namespace fuzz {

//! A list file ("Custom.qlt", ...) as the disk hands it over, and each entry as a stored setting.
int listFileInput(const std::uint8_t* data, std::size_t size);
//! An open request from a second launch, and the document it opens.
int openRequestInput(const std::uint8_t* data, std::size_t size);
//! A `qlt generate` plan, run through the wizard's update flow.
int planInput(const std::uint8_t* data, std::size_t size);
//! A server list, a STAT reply and a retrieved message, through the update session.
int pop3Input(const std::uint8_t* data, std::size_t size);
//! Bytes from a language server client, in pieces, through `qlt lsp`'s server.
int lspInput(const std::uint8_t* data, std::size_t size);

//! A batch file for the Windows command interpreter rules.
int cmdInput(const std::uint8_t* data, std::size_t size);
//! A batch file whose findings' fixes are applied.
int fixesInput(const std::uint8_t* data, std::size_t size);

//! Stops the process so the fuzzer reports the input.
[[noreturn]] inline void fail() { __builtin_trap(); }

} // namespace fuzz
