#pragma once
// The one place where Windows-1252 text (wizard fields, list files, templates)
// and UTF-8 text (documents, paths) meet QString.
#include <QString>

#include <string>
#include <string_view>

namespace platform {

//! Windows-1252 bytes to a QString; all 256 bytes round-trip.
QString fromCp1252(std::string_view bytes);
//! QString to Windows-1252 bytes; characters outside the code page are dropped
//! (use core::text::fromUtf8 on toStdString() where the caller must know).
std::string toCp1252(const QString& text);
//! UTF-8 (core's paths and messages) to QString and back.
inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string toUtf8(const QString& text) { return text.toStdString(); }
//! A tooltip that shows text exactly as it is. Qt renders a tooltip that looks
//! like markup as rich text, so a file name such as "<h1>a.bat" would show as
//! a heading: the text goes escaped, line breaks kept, inside a paragraph.
QString plainToolTip(const QString& text);

} // namespace platform
