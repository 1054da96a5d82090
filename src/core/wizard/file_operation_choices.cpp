#include "core/wizard/file_operation_choices.h"

namespace core::wizard {

void FileOperationChoices::visitFields(FieldVisitor& v) {
    v.radio("CheckBox4", "copyAction", CheckBox4);
    v.radio("CheckBox5", "copyAction", CheckBox5);
    v.radio("RadioButton24", "copyAction", RadioButton24);
    v.radio("CheckBox2", "deleteAction", CheckBox2);
    v.radio("CheckBox15", "deleteAction", CheckBox15);
    v.radio("CheckBox13", "renameAction", CheckBox13);
    v.radio("RadioButton57", "renameAction", RadioButton57);
    v.radio("RadioButton42", "renameAction", RadioButton42);
    v.memo("Memo1", Memo1);
    v.text("Edit4", Edit4);
    v.radio("RadioButton2", "overwrite", RadioButton2);
    v.radio("RadioButton1", "overwrite", RadioButton1);
    v.check("CheckBox1", CheckBox1);
    v.radio("RadioButton21", "subfolders", RadioButton21);
    v.radio("RadioButton22", "subfolders", RadioButton22);
    v.radio("RadioButton23", "subfolders", RadioButton23);
    v.radio("RadioButton25", "subfolders", RadioButton25);
    v.check("CheckBox20", CheckBox20);
    v.check("CheckBox16", CheckBox16);
    v.check("CheckBox19", CheckBox19);
    v.check("CheckBox18", CheckBox18);
    v.check("CheckBox17", CheckBox17);
    v.memo("Memo2", Memo2);
    v.check("CheckBox3", CheckBox3);
    v.check("CheckBox45", CheckBox45);
    v.text("Edit12", Edit12);
    v.text("Edit13", Edit13);
    v.text("Edit14", Edit14);
}

int FileOperationChoices::subfolderMode() const {
    if (RadioButton21) return 1;
    if (RadioButton22) return 2;
    if (RadioButton23) return 3;
    return 0;
}

unsigned FileOperationChoices::xcopyMask() const {
    return (CheckBox20 ? 1u : 0u) | (CheckBox16 ? 2u : 0u) | (CheckBox19 ? 4u : 0u) | (CheckBox18 ? 8u : 0u) |
           (CheckBox17 ? 16u : 0u);
}

} // namespace core::wizard
