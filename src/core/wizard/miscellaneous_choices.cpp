#include "core/wizard/miscellaneous_choices.h"

namespace core::wizard {

void MiscellaneousChoices::visitFields(FieldVisitor& v) {
    v.check("CheckBox21", CheckBox21);
    v.radio("RadioButton26", "operatingSystem", RadioButton26);
    v.radio("RadioButton58", "operatingSystem", RadioButton58);
    v.radio("RadioButton27", "operatingSystem", RadioButton27);
    v.radio("RadioButton28", "shutdownAction", RadioButton28);
    v.radio("RadioButton29", "shutdownAction", RadioButton29);
    v.radio("RadioButton30", "shutdownAction", RadioButton30);
    v.check("CheckBox22", CheckBox22);
    v.number("CSpinEdit2", CSpinEdit2, 0, MAX_DELAY);
    v.check("Label52", Label52);
    v.check("CheckBox23", CheckBox23);
    v.radio("RadioButton31", "keyboardOutput", RadioButton31);
    v.radio("RadioButton32", "keyboardOutput", RadioButton32);
    v.text("Edit15", Edit15);
    v.text("Edit16", Edit16);
    v.radio("CheckBox24", "combineKind", CheckBox24);
    v.radio("CheckBox44", "combineKind", CheckBox44);
    v.memo("Memo4", Memo4);
    v.check("CheckBox25", CheckBox25);
    v.radio("RadioButton33", "keyboardPosition", RadioButton33);
    v.radio("RadioButton34", "keyboardPosition", RadioButton34);
    v.radio("RadioButton35", "combineOutput", RadioButton35);
    v.radio("RadioButton36", "combineOutput", RadioButton36);
    v.text("Edit17", Edit17);
    v.text("Edit18", Edit18);
}

} // namespace core::wizard
