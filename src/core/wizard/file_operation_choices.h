#pragma once
// The "File Operations" page: copy, move, copy directory, delete, rename and
// create-directory sections. Fields carry the control names and start values.
//
// Page state (verify flag, subfolder mode, XCOPY option mask) is not stored:
// it is derived from the controls exactly as their clicks set it, so the
// window and `qlt generate` need only set the controls.
#include "core/wizard/fields.h"

#include <string>
#include <vector>

namespace core::wizard {

struct FileOperationChoices {
    // Copy-type actions: one radio group.
    bool CheckBox4 = false;    //!< "Copy File(s)", section 1
    bool CheckBox5 = false;    //!< "Move File(s)", section 2
    bool RadioButton24 = false; //!< "Copy Directory", section 3
    // Delete-type actions: one radio group.
    bool CheckBox2 = false;    //!< "Delete File(s)", section 4
    bool CheckBox15 = false;   //!< "Delete Directory", section 5
    // Rename and create actions: one radio group.
    bool CheckBox13 = false;    //!< "Rename file", section 6
    bool RadioButton57 = false; //!< "Rename directory", section 7
    bool RadioButton42 = false; //!< "Create new directory:", section 8

    std::vector<std::string> Memo1; //!< "From:" sources of sections 1-3
    std::string Edit4;              //!< "To:" destination of sections 1-3
    bool RadioButton2 = true;       //!< "Overwrite" (/Y)
    bool RadioButton1 = false;      //!< "Confirm" (/-Y)
    bool CheckBox1 = false;         //!< "Verify"
    bool RadioButton21 = false;     //!< "Copy all subfolders and files"
    bool RadioButton22 = false;     //!< "Do not copy empty subfolders"
    bool RadioButton23 = false;     //!< "Copy all subfolders but no files"
    bool RadioButton25 = true;      //!< "Do not copy any subfolders"
    bool CheckBox20 = false;        //!< "Prompt before copying"
    bool CheckBox16 = false;        //!< "Include system and hidden files"
    bool CheckBox19 = false;        //!< "Prompt before creating destination files"
    bool CheckBox18 = false;        //!< "Do not display any information when copying files"
    bool CheckBox17 = false;        //!< "Copy all files, only overwriting those files with an older date"

    std::vector<std::string> Memo2; //!< targets of sections 4-5
    bool CheckBox3 = false;         //!< "&Prompt before deletion"
    bool CheckBox45 = false;        //!< "Windows® XP or 2003 Server": RMDIR instead of DELTREE

    std::string Edit12; //!< "From:" file or directory to rename
    std::string Edit13; //!< "To:" new name; the directory to create
    std::string Edit14; //!< extension of the new file name

    void visitFields(FieldVisitor& visitor);

    //! True while "Verify" is ticked: the box flips the flag with every click.
    bool verify() const { return CheckBox1; }
    //! 1 all subfolders and files, 2 no empty subfolders, 3 subfolders but no
    //! files, 0 no subfolders (also when no button of the group is selected).
    int subfolderMode() const;
    //! XCOPY option mask: 1 /W, 2 /H, 4 /P, 8 /Q, 16 /D, enabled or not.
    unsigned xcopyMask() const;
};

} // namespace core::wizard
