#include "core/aids/variable_select.h"

#include "core/text/codepage.h"

namespace core::aids {

void deliverPick(const documents::PickLists& lists, const PickSelection& selection, VariableTarget target,
                 ports::EditorView& editor, IfPage& page) {
    if (selection.variable && *selection.variable < lists.variables.size()) {
        const auto reference = "%" + lists.variables[*selection.variable] + "%";
        switch (target) {
        case VariableTarget::String1: page.setField(IfPageField::String1, reference); break;
        case VariableTarget::String2: page.setField(IfPageField::String2, reference); break;
        case VariableTarget::Editor:
        case VariableTarget::Label: editor.replaceSelection(text::toUtf8(reference)); break;
        }
    }
    if (selection.label && *selection.label < lists.labels.size())
        page.setField(IfPageField::Label, lists.labels[*selection.label]);
}

} // namespace core::aids
