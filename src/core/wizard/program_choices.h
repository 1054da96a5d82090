#pragma once
// The "Programs" page: run a program (section 10), open files (section 11).
// The two window modes are derived from their radio groups.
#include "core/wizard/fields.h"

#include <string>
#include <vector>

namespace core::wizard {

//! Window mode of a started program: the START switch it selects.
enum class WindowMode { Normal = 1, Maximised = 2, Minimised = 3 };

struct ProgramChoices {
    bool CheckBox9 = false;     //!< "Run a Windows® or MS-DOS® program", section 10
    std::string Edit2;          //!< "Program to run:"
    std::string Edit3;          //!< arguments
    bool RadioButton15 = true;  //!< program window "Normal (Restored)"
    bool RadioButton16 = false; //!< program window "Maximised"
    bool RadioButton17 = false; //!< program window "Minimised"
    bool CheckBox11 = false;    //!< wait for the program

    bool CheckBox10 = false;         //!< "Open file(s) for editing", section 11
    std::vector<std::string> Memo3;  //!< "File(s) to open:"
    bool RadioButton18 = true;       //!< editor window "Normal (Restored)"
    bool RadioButton19 = false;      //!< editor window "Maximised"
    bool RadioButton20 = false;      //!< editor window "Minimised"
    bool CheckBox12 = false;         //!< wait for the editing program

    void visitFields(FieldVisitor& visitor);

    //! Normal unless "Maximised" or "Minimised" is selected (the mode starts at 1).
    WindowMode programWindow() const;
    WindowMode editorWindow() const;
};

} // namespace core::wizard
