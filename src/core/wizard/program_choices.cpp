#include "core/wizard/program_choices.h"

namespace core::wizard {
namespace {

WindowMode modeOf(bool maximised, bool minimised) {
    if (maximised) return WindowMode::Maximised;
    if (minimised) return WindowMode::Minimised;
    return WindowMode::Normal;
}

} // namespace

void ProgramChoices::visitFields(FieldVisitor& v) {
    v.check("CheckBox9", CheckBox9);
    v.text("Edit2", Edit2);
    v.text("Edit3", Edit3);
    v.radio("RadioButton15", "programWindow", RadioButton15);
    v.radio("RadioButton16", "programWindow", RadioButton16);
    v.radio("RadioButton17", "programWindow", RadioButton17);
    v.check("CheckBox11", CheckBox11);
    v.check("CheckBox10", CheckBox10);
    v.memo("Memo3", Memo3);
    v.radio("RadioButton18", "editorWindow", RadioButton18);
    v.radio("RadioButton19", "editorWindow", RadioButton19);
    v.radio("RadioButton20", "editorWindow", RadioButton20);
    v.check("CheckBox12", CheckBox12);
}

WindowMode ProgramChoices::programWindow() const { return modeOf(RadioButton16, RadioButton17); }
WindowMode ProgramChoices::editorWindow() const { return modeOf(RadioButton19, RadioButton20); }

} // namespace core::wizard
