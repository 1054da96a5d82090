#pragma once
// Where the Variable Select dialog's choice goes.
#include "core/aids/if_page.h"
#include "core/documents/pick_lists.h"
#include "core/ports/editor_view.h"

#include <cstddef>
#include <optional>

namespace core::aids {

//! Set by the command or button that opened the dialog; the main window keeps it.
enum class VariableTarget {
    Editor = 0,  //!< Insert Variable with the editor in front
    String1 = 1, //!< the IF page's "String 1:" field
    String2 = 2, //!< the IF page's "String 2:" field
    Label = 3,   //!< label mode: the IF page's label field
};

//! The target once the Insert Variable command opens the dialog: the editor
//! when the editor page is in front, else the target set last by the IF page.
constexpr VariableTarget targetForInsertVariable(bool editorInFront, VariableTarget last) {
    return editorInFront ? VariableTarget::Editor : last;
}

//! The selected entries of the dialog's two lists (nothing: no selection).
struct PickSelection {
    std::optional<std::size_t> variable;
    std::optional<std::size_t> label;
};

//! OK in Variable Select: the selected variable, as "%" + name + "%", replaces
//! the "String 1:" or "String 2:" field for those targets and goes into the
//! editor at the caret for any other; then the selected label replaces the
//! label field. An empty list or no selection delivers nothing.
void deliverPick(const documents::PickLists& lists, const PickSelection& selection, VariableTarget target,
                 ports::EditorView& editor, IfPage& page);

} // namespace core::aids
