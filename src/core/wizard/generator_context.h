#pragma once
// What a section generator may use: the target document (append only), the
// message boxes, the file system (short path names) and the variable list.
#include "core/documents/pick_lists.h"
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/text/codepage.h"
#include "core/wizard/target.h"

#include <string>
#include <vector>

namespace core::wizard {

struct GeneratorContext {
    ports::EditorView& document;   //!< the target, already made current
    ports::Prompter& prompter;
    ports::FileSystem& files;
    documents::PickLists& lists;
    unsigned xcopyMask = 0;        //!< computed from the File Operations page before each run
    int entryPosition = 0;         //!< 0-based position of the entry among those still listed
    Target target = Target::Classic; //!< the interpreter the lines are written for
    //! Set while the sections are only checked: warnings are gathered here,
    //! questions count as "Yes", and no line is written.
    std::vector<std::string>* checkOnly = nullptr;

    //! Adds a new last line (Windows-1252, like the page fields) to the target
    //! document, whose text is UTF-8.
    void appendLine(const std::string& line) {
        if (!checkOnly) document.appendLine(text::toUtf8(line));
    }
    //! A warning with one OK button; the generator returns right after it.
    void warn(const std::string& utf8Text) {
        if (checkOnly) return checkOnly->push_back(utf8Text);
        prompter.message(ports::MessageKind::Warning, ports::Buttons::Ok, utf8Text);
    }
    //! A Yes/No question; true for Yes.
    bool ask(const std::string& utf8Text) {
        if (checkOnly) return true;
        return prompter.message(ports::MessageKind::Confirmation, ports::Buttons::YesNo, utf8Text) ==
               ports::Answer::Yes;
    }
};

} // namespace core::wizard
