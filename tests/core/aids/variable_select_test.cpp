#include "core/aids/variable_select.h"

#include "core/documents/memory_editor_view.h"
#include "if_page_fake.h"

#include <gtest/gtest.h>

using core::aids::IfPageField;
using core::aids::PickSelection;
using core::aids::VariableTarget;
using Fields = std::map<IfPageField, std::string>;

TEST(VariableSelect, DeliversByTheVariableTarget) {
    core::documents::PickLists lists;
    lists.addVariable("TEMPDIR");
    lists.addVariable("COUNT");
    lists.labels = {"START", "END"};
    struct Case {
        VariableTarget target;
        PickSelection selection;
        const char* line;
        Fields fields;
    } cases[] = {
        {VariableTarget::Editor, {0, std::nullopt}, "SET X=%TEMPDIR%", {}},
        {VariableTarget::String1, {1, std::nullopt}, "SET X=", {{IfPageField::String1, "%COUNT%"}}},
        {VariableTarget::String2, {0, std::nullopt}, "SET X=", {{IfPageField::String2, "%TEMPDIR%"}}},
        {VariableTarget::Label, {std::nullopt, 1}, "SET X=", {{IfPageField::Label, "END"}}},
        // both lists selected: the variable by the target, then the label
        {VariableTarget::Label, {1, 0}, "SET X=%COUNT%", {{IfPageField::Label, "START"}}},
        {VariableTarget::String1, {1, 0}, "SET X=", {{IfPageField::String1, "%COUNT%"}, {IfPageField::Label, "START"}}},
        // no selection, or one past the end of the list
        {VariableTarget::Editor, {}, "SET X=", {}},
        {VariableTarget::Editor, {2, 2}, "SET X=", {}},
    };
    for (const auto& c : cases) {
        core::documents::MemoryEditorView editor({"SET X="});
        editor.setCaret(6);
        testing_support::FakeIfPage page;
        core::aids::deliverPick(lists, c.selection, c.target, editor, page);
        EXPECT_EQ(editor.lines(), std::vector<std::string>{c.line}) << static_cast<int>(c.target);
        EXPECT_EQ(page.fields, c.fields) << static_cast<int>(c.target);
    }
}

TEST(VariableSelect, EmptyListsDeliverNothing) {
    core::documents::MemoryEditorView editor({"SET X="});
    testing_support::FakeIfPage page;
    core::aids::deliverPick({}, {0, 0}, VariableTarget::Editor, editor, page);
    EXPECT_EQ(editor.lines(), std::vector<std::string>{"SET X="});
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(page.fields.empty());
}
