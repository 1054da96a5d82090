#include "core/wizard/user_interaction_choices.h"

namespace core::wizard {

void UserInteractionChoices::visitFields(FieldVisitor& v) {
    v.check("CheckBox6", CheckBox6);
    v.text("Edit5", Edit5);
    v.text("MaskEdit1", MaskEdit1);
    v.text("MaskEdit2", MaskEdit2);
    v.text("MaskEdit3", MaskEdit3);
    v.check("CheckBox14", CheckBox14);
    v.check("CheckBox7", CheckBox7);
    v.check("CheckBox8", CheckBox8);
    v.text("MaskEdit4", MaskEdit4);
    v.radio("RadioButton3", "defaultKey", RadioButton3);
    v.radio("RadioButton4", "defaultKey", RadioButton4);
    v.radio("RadioButton5", "defaultKey", RadioButton5);
    v.radio("RadioButton6", "firstAction", RadioButton6);
    v.radio("RadioButton7", "firstAction", RadioButton7);
    v.radio("RadioButton12", "firstAction", RadioButton12);
    v.text("Edit7", Edit7);
    v.text("Edit9", Edit9);
    v.radio("RadioButton8", "secondAction", RadioButton8);
    v.radio("RadioButton9", "secondAction", RadioButton9);
    v.radio("RadioButton13", "secondAction", RadioButton13);
    v.text("Edit6", Edit6);
    v.text("Edit10", Edit10);
    v.radio("RadioButton10", "thirdAction", RadioButton10);
    v.radio("RadioButton11", "thirdAction", RadioButton11);
    v.radio("RadioButton14", "thirdAction", RadioButton14);
    v.text("Edit8", Edit8);
    v.text("Edit11", Edit11);
}

ChoiceAction UserInteractionChoices::action(int choice) const {
    const bool run = choice == 1 ? RadioButton6 : choice == 2 ? RadioButton8 : RadioButton10;
    const bool message = choice == 1 ? RadioButton7 : choice == 2 ? RadioButton9 : RadioButton11;
    if (run) return ChoiceAction::RunProgram;
    if (message) return ChoiceAction::DisplayMessage;
    return ChoiceAction::Nothing;
}

std::string UserInteractionChoices::defaultKey() const {
    if (RadioButton3) return MaskEdit1;
    if (RadioButton4) return MaskEdit2;
    if (RadioButton5) return MaskEdit3;
    return {};
}

} // namespace core::wizard
