#pragma once
// The two lists of the Variable Select dialog, shared by the checker (which
// fills them), the wizard (its SET generator adds variables), the insert aids
// (which hand entries to the editor or the IF page) and the document commands
// (which empty both on New, Open and Close). Names are document text
// (Windows-1252), labels without the colon, variables without percent signs.
#include "core/text/codepage.h"

#include <string>
#include <vector>

namespace core::documents {

struct PickLists {
    std::vector<std::string> labels;    //!< one entry per label line, duplicates kept
    std::vector<std::string> variables; //!< no name twice, letter case ignored

    //! Adds a variable name unless one equal to it (ignoring case) is listed.
    void addVariable(const std::string& name) {
        for (const auto& known : variables)
            if (text::equalsIgnoreCase(known, name)) return;
        variables.push_back(name);
    }
    void clear() {
        labels.clear();
        variables.clear();
    }
};

} // namespace core::documents
