#pragma once
// The "Miscellaneous" page: shutdown (section 12), keyboard input (section 13)
// and combining files (section 14).
#include "core/wizard/fields.h"

#include <string>
#include <vector>

namespace core::wizard {

struct MiscellaneousChoices {
    bool CheckBox21 = false;     //!< "Shutdown or restart the computer", section 12
    bool RadioButton26 = true;   //!< "Windows 95/98/ME"
    bool RadioButton58 = false;  //!< "Windows NT (RK)/2000"
    bool RadioButton27 = false;  //!< "Windows XP or later"
    bool RadioButton28 = false;  //!< "Shutdown the computer"
    bool RadioButton29 = false;  //!< "Restart the computer"
    bool RadioButton30 = false;  //!< "Log off Windows"
    bool CheckBox22 = false;     //!< "Force"
    int CSpinEdit2 = 0;          //!< delay in seconds, 0 to 999
    bool Label52 = false;        //!< "Time Delay:" (its state is never read)

    bool CheckBox23 = false;     //!< "Grab keyboard input from the user", section 13
    bool RadioButton31 = false;  //!< "Save to file:"
    bool RadioButton32 = false;  //!< "Send to printer"
    std::string Edit15;          //!< file name
    std::string Edit16;          //!< "Path:"

    // The two combine switches are radio buttons of one group; both run section 14.
    bool CheckBox24 = false;         //!< "Combine ASCII (text) files together"
    bool CheckBox44 = false;         //!< "Combine Binary files together"
    std::vector<std::string> Memo4;  //!< "Initial Files:"
    bool CheckBox25 = false;         //!< "Add input from keyboard to output file"
    bool RadioButton33 = false;      //!< "Before files"
    bool RadioButton34 = true;       //!< "After files"
    bool RadioButton35 = false;      //!< output "Send to printer"
    bool RadioButton36 = false;      //!< output "Save to file:"
    std::string Edit17;              //!< file name
    std::string Edit18;              //!< "Path:"

    static constexpr int MAX_DELAY = 999;

    void visitFields(FieldVisitor& visitor);
};

} // namespace core::wizard
