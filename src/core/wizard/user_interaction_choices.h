#pragma once
// The "User Interaction" page: a CHOICE with up to three keys and actions.
//
// Page state is derived from the controls as their clicks set it: the
// case-sensitive and time-delay flags follow their boxes, each choice action
// follows its selected radio button, and the default key is the text of the key
// field beside the selected "Default for time delay" button.
#include "core/wizard/fields.h"

#include <string>
#include <string_view>

namespace core::wizard {

//! What a choice does when its key is pressed.
enum class ChoiceAction { RunProgram = 1, DisplayMessage = 2, Nothing = 3 };

struct UserInteractionChoices {
    bool CheckBox6 = false; //!< "Create a choice ...", section 9
    std::string Edit5;      //!< "&Display Text:" the question
    std::string MaskEdit1;  //!< key of the first choice (one character)
    std::string MaskEdit2;  //!< key of the second choice
    std::string MaskEdit3;  //!< key of the third choice
    bool CheckBox14 = true; //!< "Use": the third choice is in use
    bool CheckBox7 = false; //!< "Case-Sensitive"
    bool CheckBox8 = false; //!< "Time Delay before default option"
    std::string MaskEdit4 = std::string(BLANK_DELAY); //!< "Delay For:" two positions, blank at start
    bool RadioButton3 = true;  //!< default key: the first
    bool RadioButton4 = false; //!< default key: the second
    bool RadioButton5 = false; //!< default key: the third

    bool RadioButton6 = false; //!< first choice: "Run Program:"
    bool RadioButton7 = false; //!< first choice: "Display Message:"
    bool RadioButton12 = true; //!< first choice: "Nothing"
    std::string Edit7;         //!< first choice program
    std::string Edit9;         //!< first choice message
    bool RadioButton8 = false; //!< second choice: "Run Program:"
    bool RadioButton9 = false; //!< second choice: "Display Message:"
    bool RadioButton13 = true; //!< second choice: "Nothing"
    std::string Edit6;         //!< second choice program
    std::string Edit10;        //!< second choice message
    bool RadioButton10 = false; //!< third choice: "Run Program:"
    bool RadioButton11 = false; //!< third choice: "Display Message:"
    bool RadioButton14 = true;  //!< third choice: "Nothing"
    std::string Edit8;          //!< third choice program
    std::string Edit11;         //!< third choice message

    //! The masked delay field's text when nothing is typed in it.
    static constexpr std::string_view BLANK_DELAY = "  ";

    void visitFields(FieldVisitor& visitor);

    bool caseSensitive() const { return CheckBox7; }
    bool timeDelay() const { return CheckBox8; }
    //! Action of choice 1, 2 or 3; Nothing when no button of its group is selected.
    ChoiceAction action(int choice) const;
    //! The default key as the default-key buttons and key fields leave it
    //! (empty when no default button is selected).
    std::string defaultKey() const;
};

} // namespace core::wizard
