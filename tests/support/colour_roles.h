#pragma once
// Reads back the syntax check's colours from the editor widget: one indicator
// per role lies over the text.
#include <Qsci/qsciscintillabase.h>

namespace testing_support {

inline constexpr int COMMAND_INDICATOR = 8; //!< then label, then comment

//! '1' command, '2' label, '3' comment, '0' none, at a widget position.
inline char roleAt(QsciScintillaBase& widget, long position) {
    const long on = widget.SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, static_cast<unsigned long>(position));
    for (int role = 0; role < 3; ++role)
        if (on & (1L << (COMMAND_INDICATOR + role))) return static_cast<char>('1' + role);
    return '0';
}

} // namespace testing_support
