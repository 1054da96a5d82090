#pragma once
// The encodings a batch file is read and written in. Core keeps a document's
// text as UTF-8; these functions turn a file's bytes into that text and back.
// Windows-1252 is the default; the DOS code pages 437 and 850 are what a
// console reads a batch file in; UTF-8 comes with or without a byte-order mark.
#include "core/text/file_io.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core::text {

enum class Encoding { Windows1252, Utf8, Utf8WithMark, Oem437, Oem850 };

inline constexpr Encoding ALL_ENCODINGS[] = {Encoding::Windows1252, Encoding::Utf8, Encoding::Utf8WithMark,
                                             Encoding::Oem437, Encoding::Oem850};

//! What the window shows: "Windows-1252", "UTF-8", "UTF-8 with BOM", "OEM 437", "OEM 850".
std::string_view encodingName(Encoding encoding);
//! The name the command line and the settings use: "windows-1252", "utf-8",
//! "utf-8-bom", "cp437", "cp850".
std::string_view encodingKey(Encoding encoding);
//! The encoding of a key (letter case ignored), or nothing.
std::optional<Encoding> encodingOfKey(std::string_view key);

//! The code point of a byte in a single-byte encoding (Windows-1252, OEM 437, OEM 850).
char32_t codePointOf(unsigned char byte, Encoding encoding);

//! A file's bytes as UTF-8 text. Both UTF-8 encodings drop a byte-order mark
//! (the encoding records it); bytes that are not valid UTF-8 become U+FFFD.
std::string decode(std::string_view bytes, Encoding encoding);

struct Encoded {
    std::string bytes;            //!< the file's bytes (characters it cannot hold left out)
    bool ok = true;               //!< false when a character has no place in the encoding
    char32_t firstBad = 0;        //!< the first such character
    std::size_t firstBadLine = 0; //!< its line, counting from 1
};

//! UTF-8 text as the bytes of a file in the encoding (with the mark for UTF-8 with mark).
Encoded encode(std::string_view utf8, Encoding encoding);

//! True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

//! The encoding Open reads a file in: a UTF-8 byte-order mark before valid
//! UTF-8 gives UTF-8 with mark (before anything else the mark is text, so the
//! file's bytes survive a save); valid UTF-8 holding non-ASCII text gives UTF-8; otherwise a CHCP 65001,
//! 850 or 437 line among the first lines names it (65001 only for ASCII text);
//! otherwise the fallback (the user's default encoding).
Encoding detectEncoding(std::string_view bytes, Encoding fallback);

//! "UTF-16 LE" or "UTF-16 BE" when the bytes start with that byte-order mark.
//! Such a file read a byte at a time is a wall of NULs and stray letters.
std::optional<std::string_view> utf16Mark(std::string_view bytes);
//! Why a file in that form is not read, as the reason after its name.
std::string utf16Refusal(std::string_view form);

//! The read turned into a failure when its bytes are UTF-16, its error saying so.
ReadResult refuseUtf16(ReadResult read);

//! True when every character of the text is ASCII.
bool isAscii(std::string_view text);

} // namespace core::text
