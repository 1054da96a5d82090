#include "core/aids/variable_select.h"

#include "core/documents/memory_editor_view.h"
#include "if_page_fake.h"

#include <gtest/gtest.h>

#include <tuple>

using core::aids::IfPageField;
using core::aids::VariableTarget;
using Fields = std::map<IfPageField, std::string>;

TEST(VariableSelect, DeliversByTheVariableTarget) {
    core::documents::PickLists lists;
    lists.variables = {"TEMPDIR", "COUNT"};
    lists.labels = {"START", "END"};
    // The target, the selection, whether the lists are empty, the editor's line and the IF page's fields after.
    const std::tuple<VariableTarget, core::aids::PickSelection, bool, const char*, Fields> cases[] = {
        {VariableTarget::Editor, {0, std::nullopt}, false, "SET X=%TEMPDIR%", {}},
        {VariableTarget::String1, {1, std::nullopt}, false, "SET X=", {{IfPageField::String1, "%COUNT%"}}},
        {VariableTarget::String2, {0, std::nullopt}, false, "SET X=", {{IfPageField::String2, "%TEMPDIR%"}}},
        {VariableTarget::Label, {std::nullopt, 1}, false, "SET X=", {{IfPageField::Label, "END"}}},
        // both lists selected: the variable by its target, then the label
        {VariableTarget::Label, {1, 0}, false, "SET X=%COUNT%", {{IfPageField::Label, "START"}}},
        {VariableTarget::String1, {1, 0}, false, "SET X=", {{IfPageField::String1, "%COUNT%"}, {IfPageField::Label, "START"}}},
        // nothing selected, or nothing listed yet
        {VariableTarget::Editor, {}, false, "SET X=", {}},
        {VariableTarget::Editor, {0, 0}, true, "SET X=", {}},
    };
    for (const auto& [target, selection, emptyLists, line, fields] : cases) {
        core::documents::MemoryEditorView editor({"SET X="});
        editor.setCaret(6);
        testing_support::FakeIfPage page;
        core::aids::deliverPick(emptyLists ? core::documents::PickLists{} : lists, selection, target, editor, page);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{line}) << static_cast<int>(target);
        EXPECT_EQ(page.fields, fields) << static_cast<int>(target);
    }
}
